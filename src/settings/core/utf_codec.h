#pragma once
#include <string>
#include <string_view>

// UTF-8 and UTF-16 without the platform's help, for the Unicode forms of Config.ini. Malformed input (a
// stray byte, a cut sequence, an unpaired surrogate) becomes U+FFFD, as the platform's converters do.
std::u16string Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(std::u16string_view utf16);

// Whether the text is well-formed UTF-8: no stray bytes, no surrogates, nothing beyond U+10FFFF.
bool IsWellFormedUtf8(std::string_view text);
// The text with every malformed sequence replaced by U+FFFD.
std::string WellFormedUtf8(std::string_view text);
