#include "platform/shell_open.h"

#include <shellapi.h>
#include <shlobj.h>

#include "platform/text.h"

namespace {
std::function<void(const ShellOpenCall&)> g_hook;
}

void SetShellOpenHook(std::function<void(const ShellOpenCall&)> hook) { g_hook = std::move(hook); }

bool ShellOpenHooked(const ShellOpenCall& call) {
    if (!g_hook) return false;
    g_hook(call);
    return true;
}

void ShellOpen(const std::string& verb, const std::string& target, int show, const std::string& parameters) {
    if (ShellOpenHooked({.verb = verb, .target = target, .show = show, .parameters = parameters})) return;
    std::wstring wverb = Widen(verb), wtarget = Widen(target), wparameters = Widen(parameters);
    ShellExecuteW(nullptr, verb.empty() ? nullptr : wverb.c_str(), wtarget.c_str(),
                  parameters.empty() ? nullptr : wparameters.c_str(), nullptr, show);
}

// SHOpenFolderAndSelectItems selects several files in one window; where the shell lacks it (older
// shells, Wine), the file manager's own "/select" switch opens the folder on the first of them.
void ShowInFolder(const std::string& folder, const std::vector<std::string>& names) {
    if (ShellOpenHooked({.verb = "select", .target = folder, .show = SW_SHOWNORMAL, .selected = names}))
        return;
    const std::wstring wfolder = Widen(folder);
    PIDLIST_ABSOLUTE parent = ILCreateFromPathW(wfolder.c_str());
    std::vector<PIDLIST_ABSOLUTE> files;
    std::vector<PCUITEMID_CHILD> children;
    for (const std::string& name : names) {
        if (PIDLIST_ABSOLUTE file = ILCreateFromPathW((wfolder + Widen(name)).c_str())) {
            files.push_back(file);
            children.push_back(ILFindLastID(file));
        }
    }
    HRESULT shown = parent && !children.empty()
                        ? SHOpenFolderAndSelectItems(parent, UINT(children.size()), children.data(), 0)
                        : E_FAIL;
    for (PIDLIST_ABSOLUTE file : files) ILFree(file);
    if (parent) ILFree(parent);
    if (SUCCEEDED(shown)) return;
    std::wstring arguments =
        names.empty() ? L"\"" + wfolder + L"\"" : L"/select,\"" + wfolder + Widen(names.front()) + L"\"";
    ShellExecuteW(nullptr, L"open", L"explorer.exe", arguments.c_str(), nullptr, SW_SHOWNORMAL);
}

void ShowFileProperties(HWND owner, const std::string& path) {
    if (ShellOpenHooked({.verb = "properties", .target = path, .show = SW_SHOW})) return;
    const std::wstring wpath = Widen(path);
    SHELLEXECUTEINFOW info{sizeof(info)};
    info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"properties";
    info.lpFile = wpath.c_str();
    info.nShow = SW_SHOW;
    ShellExecuteExW(&info);
}
