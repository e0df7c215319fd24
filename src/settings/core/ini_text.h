#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Config.ini in whichever form the user's editor saved it, as the profile functions take it: a file that
// starts with a UTF-16 byte order mark (little- or big-endian) is UTF-16, a UTF-8 mark is skipped and the
// rest read as UTF-8, and any other file is in the ANSI code page. Writing keeps the form and its mark.
// Names and values are UTF-8 on this side, as everywhere in the program.
enum class IniEncoding { kAnsi, kUtf8, kUtf16Le, kUtf16Be };

IniEncoding IniEncodingOf(std::string_view fileBytes);

// The ANSI code page, which only the platform knows. toAnsi reports false for text the code page cannot
// hold, so that such text is refused rather than stored as something else.
struct AnsiCodePage {
    bool (*toAnsi)(std::string_view utf8, std::string& ansi);
    std::string (*fromAnsi)(std::string_view ansi);
};

// Whether a file in this form can hold the text exactly.
bool IniEncodingCanHold(IniEncoding encoding, std::string_view text, const AnsiCodePage& ansi);

// A key's value, read from the file's bytes by the rules of ini_file.h; "" when it is missing. Bytes that
// are not text in the file's form read as U+FFFD.
std::string IniReadText(std::string_view fileBytes, std::string_view section, std::string_view key,
                        const AnsiCodePage& ansi);

using IniKeyValues = std::vector<std::pair<std::string, std::string>>;

// The file's bytes with each key set to its value, in the file's own form, every other byte as it was.
// Nothing when a name or a value cannot be stored in that form so that it reads back as given; then no key
// is to be written.
std::optional<std::string> IniWriteTexts(std::string_view fileBytes, std::string_view section,
                                         const IniKeyValues& keyValues, const AnsiCodePage& ansi);
