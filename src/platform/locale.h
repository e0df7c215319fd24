#pragma once
#include <string>

// The user's locale: its decimal separator and its case-insensitive collation of names.
char DecimalSeparator();

// A byte string whose plain comparison orders texts as CompareStringW(LOCALE_USER_DEFAULT,
// NORM_IGNORECASE) does; computing it once per row
// makes sorting a million rows affordable.
std::string CollationKey(const std::wstring& text);
// The same key appended to a buffer that many keys share.
void AppendCollationKey(const std::wstring& text, std::string& keys);
