#pragma once
#include <string>
#include <string_view>

// The name a cookie is kept by: cookie source URLs read "Cookie:user@host/path", and the keep list
// holds "host/path". When the first '@' is not after the first byte, the whole URL is the name.
std::string CookieNameFromUrl(std::string_view url);
