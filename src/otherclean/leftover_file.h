#pragma once
#include <string>

// The leftover list files Diskclean1.dat (temporary internet files) and Diskclean2.dat (temp folder)
// beside the executable. Texts are UTF-8 here and stored in the ANSI code page.
inline constexpr const char* kInternetLeftoverFile = "Diskclean1.dat";
inline constexpr const char* kTempLeftoverFile = "Diskclean2.dat";

// Writes a list text that already ends in the terminator, always 32,768 bytes; a file that cannot be
// created is skipped. Entries must be representable in the ANSI code page.
void WriteLeftoverFile(const std::string& path, const std::string& text);

// The list text before the terminator, or "" when the file is missing, unreadable, too long or has no
// terminator. Read-only files are read too.
std::string ReadLeftoverFile(const std::string& path);
