#pragma once
#include <string>
#include <vector>

// The cookie keep list, key "Cookie" of Config.ini. It is read from the file each time it is needed.
std::vector<std::string> ReadCookieKeepList();

// Case-sensitive, whole names.
bool IsKeptCookie(const std::string& name, const std::vector<std::string>& keepList);

// Whether a name can be stored as an entry and read back as the same name: not empty (an empty entry
// would end the list), no entry terminator to split it, and representable in the ANSI code page.
bool CanStoreCookieName(const std::string& name);
