#include "otherclean/area_shell.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/text.h"

namespace {
AreaShell g_shell;

void ShellOpenSpecialFolder(int csidl) {
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || !allocator) return;
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof(request);
    request.fMask = SEE_MASK_IDLIST | SEE_MASK_FLAG_DDEWAIT;
    request.lpVerb = L"open";
    request.nShow = SW_SHOWNORMAL;
    PIDLIST_ABSOLUTE list = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &list))) request.lpIDList = list;
    ShellExecuteExW(&request);
    if (list) allocator->Free(list);
    allocator->Release();
}
}  // namespace

void SetAreaShell(AreaShell shell) { g_shell = std::move(shell); }

void OpenAreaSpecialFolder(int csidl) {
    if (g_shell.openSpecialFolder)
        g_shell.openSpecialFolder(csidl);
    else
        ShellOpenSpecialFolder(csidl);
}

void OpenAreaFolder(const std::string& folder) {
    if (g_shell.openFolder)
        g_shell.openFolder(folder);
    else
        ShellExecuteW(nullptr, L"Open", Widen(folder).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
