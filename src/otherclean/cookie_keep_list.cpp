#include "otherclean/cookie_keep_list.h"

#include <algorithm>

#include "platform/text.h"
#include "settings/config_file.h"
#include "settings/core/config_lists.h"
#include "settings/core/filter_input.h"

std::vector<std::string> ReadCookieKeepList() {
    return ParseEntryList(
        ReadConfigValue(std::string(kConfigFileName), std::string(kConfigSection), std::string(kKeyCookie)));
}

bool IsKeptCookie(const std::string& name, const std::vector<std::string>& keepList) {
    return std::find(keepList.begin(), keepList.end(), name) != keepList.end();
}

bool CanStoreCookieName(const std::string& name) {
    std::string ansi;
    return !name.empty() && !HasEntryTerminator(name) && name.find_first_of("\r\n") == std::string::npos &&
           ToAnsi(name, ansi);
}
