#pragma once
#include <string>

// Deletes the files of a NUL-separated list that ends in two NULs with one shell operation, without
// prompts or error boxes; into the Recycle Bin when asked. Only files belong in the list: under Wine
// the shell deletes a folder link's target.
void ShellDeleteFiles(const std::wstring& list, bool toRecycleBin);
