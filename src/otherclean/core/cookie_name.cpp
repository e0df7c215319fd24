#include "otherclean/core/cookie_name.h"

std::string CookieNameFromUrl(std::string_view url) {
    const size_t at = url.find('@');
    if (at == std::string_view::npos || at == 0) return std::string(url);
    return std::string(url.substr(at + 1));
}
