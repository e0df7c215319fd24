#pragma once
#include <string>
#include <string_view>

// The profile-file engine behind Config.ini. It works on a file's text in the file's own code units, bytes
// for an ANSI or UTF-8 file and UTF-16 units for a Unicode one, without the byte order mark (ini_text.h
// tells the forms apart). Nothing here touches a disk.
//
// Files are read as the system's profile functions read them:
// - Lines end in CR LF, LF or CR. A line whose first non-blank character is "[" and which holds a "]" is a
//   section header; the name lies between the "[" and the line's last "]".
// - Every other non-blank line is a key: "key=value", or a key without value when it has no "=".
// - Names and values lose their surrounding blanks (space, tab, vertical tab, form feed and the old
//   end-of-file mark 0x1A) and end at a NUL; a value enclosed in a pair of like quotes (" or ') loses them.
// - Names match without regard to ASCII case. When a section or a key occurs twice, the first is the one
//   read and written.
// Lines before the first header, comments, blank lines and stray bytes are kept as they are.

// The key's value as the profile functions return it, however long; "" when the section or the key is
// missing or the key has no value.
std::string IniReadValue(std::string_view text, std::string_view section, std::string_view key);
std::u16string IniReadValue(std::u16string_view text, std::u16string_view section, std::u16string_view key);

// Whether a name pair and value can be written so that they read back as given. A CR, LF or NUL in any of
// them would cut the line or the text, "=" in a key or "]" in a section would shift the name, and empty
// names or names that would start a comment or a header name nothing that reads back.
bool IniCanStore(std::string_view section, std::string_view key, std::string_view value);
bool IniCanStore(std::u16string_view section, std::u16string_view key, std::u16string_view value);

// The text with the key set to value. An existing key keeps its line, its name as written and the blanks
// around its value; only the value between them is replaced. A missing key is added after the last non-blank
// line of its section, a missing section at the end of the text. A value that the reading rules would
// change (blanks at either end, a pair of enclosing quotes) is written inside double quotes, which the
// profile functions remove again. New lines use the text's line break when all its lines share one, CR LF
// otherwise. What IniCanStore refuses is not written: the text comes back unchanged, so a bad value can
// never corrupt the keys around it.
std::string IniWriteValue(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value);
std::u16string IniWriteValue(std::u16string_view text, std::u16string_view section, std::u16string_view key,
                             std::u16string_view value);
