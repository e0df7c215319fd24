#include "platform/dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

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

std::optional<std::string> SaveFileAs(HWND owner, const SaveFileRequest& request) {
    if (g_script.saveFileAs) return g_script.saveFileAs(request);
    // The filter is pairs of NUL-ended strings, ended by one more NUL.
    std::wstring filter = Widen(request.typeName) + L'\0' + Widen(request.pattern) + L'\0' + L'\0';
    std::wstring extension = Widen(request.extension);
    std::wstring name = Widen(request.suggestedName);
    std::vector<wchar_t> path(32768, L'\0');
    name.copy(path.data(), path.size() - 1);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = DWORD(path.size());
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&ofn)) return std::nullopt;
    return Narrow(path.data());
}
