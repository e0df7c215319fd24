#pragma once
#include <string>

// Deletes the files of a NUL-separated list that ends in two NULs with one shell operation, without
// prompts or error boxes; into the Recycle Bin when asked. Only files belong in the list: under Wine
// the shell deletes a folder link's target, and the shell parses plain paths, so only paths that it
// resolves to the listed file belong there. Returns the shell's result: 0 when it reports no failure.
int ShellDeleteFiles(const std::wstring& list, bool toRecycleBin);
