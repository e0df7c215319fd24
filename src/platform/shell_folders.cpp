#include "platform/shell_folders.h"

#include <shellapi.h>

#include "platform/shell_open.h"

void FreeItemIdList(LPITEMIDLIST list) {
    IMalloc* allocator = nullptr;
    if (SHGetMalloc(&allocator) != S_OK || !allocator) return;
    allocator->Free(list);
    allocator->Release();
}

void OpenSpecialFolder(int csidl, HWND owner) {
    if (ShellOpenHooked({.verb = "open", .show = SW_SHOWNORMAL, .specialFolder = csidl})) return;
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof(request);
    request.fMask = SEE_MASK_IDLIST | SEE_MASK_FLAG_DDEWAIT;
    request.hwnd = owner;
    request.lpVerb = L"open";
    request.nShow = SW_SHOWNORMAL;
    LPITEMIDLIST list = nullptr;
    if (SHGetSpecialFolderLocation(owner, csidl, &list) == S_OK) request.lpIDList = list;
    ShellExecuteExW(&request);
    if (list) FreeItemIdList(list);
}
