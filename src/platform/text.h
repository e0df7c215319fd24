#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Text is UTF-8 inside the program and UTF-16 at the W API calls.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// Appends a NUL-terminated name in UTF-8. Names are nearly always ASCII, and those are copied by hand:
// the scan converts every name it sees.
void AppendNarrow(const wchar_t* wide, std::string& out);

// The ANSI code page boundary of the stored files. ToAnsi reports false when the text holds a
// character the code page cannot represent, so that it is refused instead of stored as something else.
bool ToAnsi(std::string_view utf8, std::string& ansi);
std::string FromAnsi(std::string_view ansi);

// A folder path as the listings take it: ending in one backslash.
std::string WithBackslash(std::string folder);
std::wstring WithBackslash(std::wstring folder);

// The system's own words for an error code (a Win32 error or an HRESULT), without the line break they
// end with; empty when the system has none for it.
std::string SystemMessageText(uint32_t error);
