// Drives an installed or unpacked copy of the program from outside, as a user would, for the package
// tests. Prints what it sees; exits with 0 when every step worked.
//
//   probe run PATH [save]   start PATH (the exe, or a shortcut to it as Explorer would), wait for the
//                           main window; with "save", open the Options page and press Save; then
//                           close the window and wait for the program to end with code 0
//   probe wait-window       wait until a main window of the program is shown (one started elsewhere)
//   probe close             close that window and wait for its program to end with code 0
//   probe link-target LNK   print the program a shortcut starts
//   probe click TITLE TEXT  press the button TEXT (without its "&") in a window whose title starts with
//                           TITLE once it is shown and enabled: an installer page or message box
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {
const wchar_t* const kTitle = L"Kestrune Disk Cleaner";
const wchar_t* const kOptionsMenu = L"选项";
const wchar_t* const kSave = L"保存";
const int kWaitMilliseconds = 30000;

// The program's main window: its title, shown, and (when a process is given) owned by that process.
HWND FindMainWindow(DWORD pid) {
    for (HWND w = FindWindowW(nullptr, kTitle); w; w = FindWindowExW(nullptr, w, nullptr, kTitle)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if ((pid == 0 || owner == pid) && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

HWND WaitForMainWindow(DWORD pid) {
    for (int waited = 0; waited < kWaitMilliseconds; waited += 100) {
        if (HWND w = FindMainWindow(pid)) return w;
        Sleep(100);
    }
    return nullptr;
}

struct ChildQuery {
    const wchar_t* className;
    const wchar_t* text;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND w, LPARAM lp) {
    ChildQuery* q = reinterpret_cast<ChildQuery*>(lp);
    wchar_t cls[64] = {}, text[256] = {};
    GetClassNameW(w, cls, 64);
    GetWindowTextW(w, text, 256);
    if (lstrcmpiW(cls, q->className) == 0 && lstrcmpW(text, q->text) == 0 && IsWindowVisible(w)) {
        q->found = w;
        return FALSE;
    }
    return TRUE;
}

HWND FindChild(HWND parent, const wchar_t* className, const wchar_t* text) {
    ChildQuery q{className, text, nullptr};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&q));
    return q.found;
}

// The left menu's entries are labels that react to a press of the left button.
bool ClickLabel(HWND label) {
    RECT r;
    GetClientRect(label, &r);
    LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    DWORD_PTR ignored;
    return SendMessageTimeoutW(label, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_NORMAL, 10000, &ignored) &&
           SendMessageTimeoutW(label, WM_LBUTTONUP, 0, at, SMTO_NORMAL, 10000, &ignored);
}

bool PressSave(HWND main) {
    HWND menu = FindChild(main, L"Static", kOptionsMenu);
    if (!menu || !ClickLabel(menu)) {
        std::printf("probe: no Options entry in the left menu\n");
        return false;
    }
    HWND save = nullptr;
    for (int waited = 0; !save && waited < kWaitMilliseconds; waited += 100) {
        save = FindChild(main, L"Button", kSave);
        if (!save) Sleep(100);
    }
    if (!save) {
        std::printf("probe: the Options page shows no Save button\n");
        return false;
    }
    DWORD_PTR ignored;
    // Save writes Config.ini before the button's click returns.
    if (!SendMessageTimeoutW(save, BM_CLICK, 0, 0, SMTO_NORMAL, 20000, &ignored)) {
        std::printf("probe: Save did not return\n");
        return false;
    }
    std::printf("probe: pressed Save\n");
    return true;
}

// What a shortcut starts, as Explorer starts it: the target in the shortcut's working folder.
struct Link {
    std::wstring target;
    std::wstring folder;
};

bool ReadLink(const wchar_t* path, Link& link) {
    CoInitialize(nullptr);
    IShellLinkW* shellLink = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = {}, folder[MAX_PATH] = {};
    bool ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                         reinterpret_cast<void**>(&shellLink))) &&
              SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
              SUCCEEDED(file->Load(path, STGM_READ)) &&
              SUCCEEDED(shellLink->GetPath(target, MAX_PATH, nullptr, 0)) &&
              SUCCEEDED(shellLink->GetWorkingDirectory(folder, MAX_PATH));
    if (file) file->Release();
    if (shellLink) shellLink->Release();
    CoUninitialize();
    link = {target, folder};
    return ok && target[0];
}

bool IsLink(const std::wstring& path) {
    return path.size() > 4 && lstrcmpiW(path.c_str() + path.size() - 4, L".lnk") == 0;
}

// Starts PATH, an exe or a shortcut to one; an exe starts in C:\ so that nothing can lean on the
// folder it was started from.
int Run(const wchar_t* path, bool save) {
    Link link{path, L"C:\\"};
    if (IsLink(path) && !ReadLink(path, link)) {
        std::printf("probe: cannot read the shortcut\n");
        return 1;
    }
    std::wstring cmd = L"\"" + link.target + L"\"";
    STARTUPINFOW si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(link.target.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        link.folder.empty() ? nullptr : link.folder.c_str(), &si, &pi)) {
        std::printf("probe: could not start the program (error %lu)\n", GetLastError());
        return 1;
    }
    CloseHandle(pi.hThread);
    int failures = 0;
    HWND main = WaitForMainWindow(GetProcessId(pi.hProcess));
    if (!main) {
        std::printf("probe: no main window within %d s\n", kWaitMilliseconds / 1000);
        TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hProcess);
        return 1;
    }
    std::printf("probe: main window shown\n");
    if (save && !PressSave(main)) ++failures;
    PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(pi.hProcess, kWaitMilliseconds) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    if (code == STILL_ACTIVE) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    std::printf("probe: program ended with code %lu\n", code);
    return failures == 0 && code == 0 ? 0 : 1;
}

struct ButtonQuery {
    std::wstring title;
    std::wstring text;
    HWND found;
};

// A button's caption as the user reads it: without the "&" that marks its access key.
std::wstring ReadableText(HWND w) {
    wchar_t text[256] = {};
    GetWindowTextW(w, text, 256);
    std::wstring shown;
    for (const wchar_t* c = text; *c; ++c)
        if (*c != L'&') shown += *c;
    return shown;
}

BOOL CALLBACK MatchButton(HWND w, LPARAM lp) {
    ButtonQuery* q = reinterpret_cast<ButtonQuery*>(lp);
    wchar_t cls[64] = {};
    GetClassNameW(w, cls, 64);
    if (lstrcmpiW(cls, L"Button") == 0 && IsWindowVisible(w) && IsWindowEnabled(w) &&
        ReadableText(w) == q->text) {
        q->found = w;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchDialog(HWND w, LPARAM lp) {
    ButtonQuery* q = reinterpret_cast<ButtonQuery*>(lp);
    wchar_t title[256] = {};
    GetWindowTextW(w, title, 256);
    // The installer's pages add their own words after the caption.
    if (IsWindowVisible(w) && std::wstring(title).starts_with(q->title)) EnumChildWindows(w, MatchButton, lp);
    return q->found == nullptr;
}

// For the log of a failed click: each shown window with its buttons.
BOOL CALLBACK PrintShownWindow(HWND w, LPARAM depth) {
    if (!IsWindowVisible(w)) return TRUE;
    wchar_t cls[64] = {}, text[256] = {};
    GetClassNameW(w, cls, 64);
    GetWindowTextW(w, text, 256);
    char line[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, (std::wstring(cls) + L" \"" + text + L"\"").c_str(), -1, line,
                        sizeof(line) - 1, nullptr, nullptr);
    std::printf("  %*s%s\n", int(depth) * 2, "", line);
    if (depth == 0) EnumChildWindows(w, PrintShownWindow, 1);
    return TRUE;
}

int Click(const wchar_t* title, const wchar_t* text) {
    ButtonQuery q{title, text, nullptr};
    for (int waited = 0; !q.found && waited < kWaitMilliseconds; waited += 100) {
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&q));
        if (!q.found) Sleep(100);
    }
    if (!q.found) {
        std::printf("probe: no button to press; shown:\n");
        EnumWindows(PrintShownWindow, 0);
        return 1;
    }
    // Posted: a button that ends a message box or a page returns only once the next step is under way.
    PostMessageW(q.found, BM_CLICK, 0, 0);
    return 0;
}

// Closes the main window of a copy started elsewhere (by the installer's last page, say).
int CloseShown() {
    HWND main = WaitForMainWindow(0);
    DWORD pid = 0;
    if (main) GetWindowThreadProcessId(main, &pid);
    HANDLE process = pid ? OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid) : nullptr;
    if (!process) {
        std::printf("probe: no main window to close\n");
        return 1;
    }
    PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process, kWaitMilliseconds) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
    CloseHandle(process);
    std::printf("probe: program ended with code %lu\n", code);
    return code == 0 ? 0 : 1;
}

int PrintLinkTarget(const wchar_t* path) {
    Link link;
    if (!ReadLink(path, link)) return 1;
    // The path goes out as UTF-8 for the shell script that compares it.
    char utf8[MAX_PATH * 4] = {};
    WideCharToMultiByte(CP_UTF8, 0, link.target.c_str(), -1, utf8, sizeof(utf8), nullptr, nullptr);
    std::printf("%s\n", utf8);
    return 0;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"run" && argc >= 3) return Run(argv[2], argc > 3 && std::wstring(argv[3]) == L"save");
    if (command == L"wait-window") return WaitForMainWindow(0) ? 0 : 1;
    if (command == L"close") return CloseShown();
    if (command == L"link-target" && argc == 3) return PrintLinkTarget(argv[2]);
    if (command == L"click" && argc == 4) return Click(argv[2], argv[3]);
    std::printf("usage: probe run PATH [save] | wait-window | close | link-target LNK | click TITLE TEXT\n");
    return 2;
}
