#include "otherclean/cookie_keep_list.h"

#include <algorithm>

#include "platform/text.h"
#include "settings/config_file.h"
#include "settings/core/config_lists.h"
#include "settings/core/filter_input.h"

std::optional<std::vector<std::string>> ReadCookieKeepList() {
    const std::optional<std::string> value = ReadConfigValueIfReadable(
        std::string(kConfigFileName), std::string(kConfigSection), std::string(kKeyCookie));
    if (!value) return std::nullopt;
    return ParseEntryList(*value);
}

bool IsKeptCookie(const std::string& name, const std::vector<std::string>& keepList) {
    return std::find(keepList.begin(), keepList.end(), name) != keepList.end();
}

bool CanStoreCookieName(const std::string& name) {
    std::string ansi;
    return !name.empty() && !HasEntryTerminator(name) && name.find_first_of("\r\n") == std::string::npos &&
           ToAnsi(name, ansi);
}
