#pragma once
#include <optional>
#include <string>

// Paths of the shell's special folders (CSIDL values), without a trailing "\"; nothing when the
// shell's allocator, the item list or the path cannot be obtained.
std::optional<std::string> SpecialFolderPath(int csidl);

// The user's temp folder in its long form, ending in "\".
std::string TempFolderPath();
