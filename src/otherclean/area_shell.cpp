#include "otherclean/area_shell.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/shell_folders.h"
#include "platform/text.h"

namespace {
AreaShell g_shell;
}  // namespace

void SetAreaShell(AreaShell shell) { g_shell = std::move(shell); }

void OpenAreaSpecialFolder(int csidl) {
    if (g_shell.openSpecialFolder)
        g_shell.openSpecialFolder(csidl);
    else
        OpenSpecialFolder(csidl, nullptr);
}

void OpenAreaFolder(const std::string& folder) {
    if (g_shell.openFolder)
        g_shell.openFolder(folder);
    else
        ShellExecuteW(nullptr, L"Open", Widen(folder).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
