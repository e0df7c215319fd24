#include "platform/dialogs.h"

#include <shlobj.h>

#include "platform/text.h"

namespace {
DialogScript g_script;
}

void SetDialogScript(DialogScript script) { g_script = std::move(script); }

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    if (g_script.messageBox) return g_script.messageBox({owner, text, caption, flags});
    return MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), flags);
}

std::optional<std::string> BrowseForFolder(HWND owner, const std::string& title) {
    if (g_script.browseForFolder) return g_script.browseForFolder(title);
    std::wstring wtitle = Widen(title);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = wtitle.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE pidl = SHBrowseForFolderW(&info);
    if (!pidl) return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    BOOL ok = SHGetPathFromIDListW(pidl, path);
    CoTaskMemFree(pidl);
    if (!ok || !path[0]) return std::nullopt;
    return Narrow(path);
}
