#include "platform/locale.h"

#include <windows.h>

char DecimalSeparator() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) < 2) return '.';
    // The size texts are narrow; a separator outside ASCII falls back to the point.
    return separator[0] < 0x80 ? char(separator[0]) : '.';
}

std::string CollationKey(const std::wstring& text) {
    std::string key;
    AppendCollationKey(text, key);
    return key;
}

void AppendCollationKey(const std::wstring& text, std::string& keys) {
    size_t at = keys.size();
    size_t room = text.size() * 6 + 16;
    for (;;) {
        keys.resize(at + room);
        int n = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.c_str(),
                             int(text.size()), reinterpret_cast<wchar_t*>(keys.data() + at), int(room));
        if (n > 0) {
            keys.resize(at + n);
            return;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            keys.resize(at);
            return;
        }
        room *= 2;
    }
}
