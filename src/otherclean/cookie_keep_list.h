#pragma once
#include <optional>
#include <string>
#include <vector>

// The cookie keep list, key "Cookie" of Config.ini. It is read from the file each time it is needed. A
// missing file or key is an empty list; nullopt when Config.ini is there but cannot be read, and then no
// cookie may be deleted: an empty list would take the kept ones too.
std::optional<std::vector<std::string>> ReadCookieKeepList();

inline constexpr const char* kKeepListUnreadableText =
    "The cookie keep list could not be read from Config.ini, so no cookie was deleted.";
inline constexpr const char* kKeepListUnreadableDialogText =
    "The cookie keep list could not be read from Config.ini.";

// Case-sensitive, whole names.
bool IsKeptCookie(const std::string& name, const std::vector<std::string>& keepList);

// Whether a name can be stored as an entry and read back as the same name: not empty (an empty entry
// would end the list), no entry terminator to split it, and representable in the ANSI code page.
bool CanStoreCookieName(const std::string& name);
