#pragma once
#include <string>
#include <string_view>

// The profile-file engine behind Config.ini, working on the file's bytes. The Windows side reads the file,
// hands its bytes here and writes the result back; nothing here touches a disk.
//
// Layout understood: "[name]" section headers and "key=value" lines. Section and key names match without
// regard to ASCII case, ignoring blanks around them. Comment lines (";"), lines without "=", lines before
// the first section, a UTF-8 byte order mark and any stray bytes are tolerated and kept. When a section or
// a key occurs twice, the first occurrence is the one read and written.

// The value of the key, verbatim (only the line's trailing CRs dropped), however long it is; "" when the
// section or the key is missing.
std::string IniReadValue(std::string_view fileBytes, std::string_view section, std::string_view key);

// Whether a name pair and value can be written so that they read back as given. A CR or LF in any of them
// would split the line, "=" in a key or "]" in a section would shift the name, and empty names or names
// that would start a comment or a header name nothing that reads back.
bool IniCanStore(std::string_view section, std::string_view key, std::string_view value);

// The file's bytes with the key set to value. An existing key line becomes "key=value"; a missing key is
// added after the last non-blank line of its section; a missing section is added at the end of the file.
// Every other byte stays as it was, and new lines use the file's own line breaks (CRLF for a new file).
// What IniCanStore refuses is not written: the bytes come back unchanged, so a bad value can never
// corrupt the keys around it.
std::string IniWriteValue(std::string_view fileBytes, std::string_view section, std::string_view key,
                          std::string_view value);
