#pragma once
#include <windows.h>
#include <shlobj.h>

// Opens a shell special folder, given by its CSIDL (CSIDL_BITBUCKET for the Recycle Bin), in a shell
// window. owner may be nullptr. Failures leave everything as it was, without a message.
void OpenSpecialFolder(int csidl, HWND owner);

// Frees a shell item ID list through the shell's allocator; nothing when no allocator is obtained.
void FreeItemIdList(LPITEMIDLIST list);
