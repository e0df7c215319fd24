#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

// The whole path of a user, driven from outside the installed program: settings in Config.ini, Scan,
// Delete, the confirmation, the report; then every file on the drive is checked. The names are those
// that Win32 path parsing rewrites, each beside the twin a plain path would reach.
namespace {
const std::wstring kFolder = L"C:\\Program Files\\Kestrune Disk Cleaner\\";
const wchar_t* const kTitle = L"Kestrune Disk Cleaner";

std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

void MakeFile(const std::wstring& path, const std::string& content) {
    HANDLE h = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, content.data(), DWORD(content.size()), &written, nullptr);
    CloseHandle(h);
}

void ListTree(const std::wstring& folder, std::set<std::wstring>& out) {
    WIN32_FIND_DATAW e;
    HANDLE h = FindFirstFileW(Long(folder + L"\\*").c_str(), &e);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = e.cFileName;
        if (name == L"." || name == L"..") continue;
        out.insert(folder + L"\\" + name);
        if (e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ListTree(folder + L"\\" + name, out);
    } while (FindNextFileW(h, &e));
    FindClose(h);
}

std::set<std::wstring> Files() {
    std::set<std::wstring> all;
    ListTree(L"D:", all);
    return all;
}

// A window of the program with the title, shown, and (for dialogs) other than the main window.
HWND WaitForWindow(DWORD pid, HWND other, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        for (HWND w = FindWindowW(nullptr, kTitle); w; w = FindWindowExW(nullptr, w, nullptr, kTitle)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == pid && w != other && IsWindowVisible(w) && IsWindowEnabled(w)) return w;
        }
        Sleep(50);
    }
    return nullptr;
}

HWND ChildWithText(HWND parent, const std::wstring& text) {
    struct Search {
        std::wstring text;
        HWND found = nullptr;
    } search{text};
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t buffer[256] = {};
            GetWindowTextW(w, buffer, 256);
            if (s->text == buffer && IsWindowVisible(w)) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        LPARAM(&search));
    return search.found;
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    return FindWindowExW(parent, nullptr, className, nullptr);
}

bool WaitForText(HWND parent, const std::wstring& text, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (ChildWithText(parent, text)) return true;
        Sleep(50);
    }
    return false;
}

struct Outcome {
    std::set<std::wstring> after;
    int reportRows = -1;  // -1: no report
};

Outcome ScanAndDelete(const std::string& general) {
    const std::string config =
        "[Drive]\r\nGeneral=" + general +
        "\r\nExclude Paths=C:\\*|)E(|E:\\*|)E(|F:\\*|)E(|G:\\*|)E(|D:\\dotdir|)E(|\r\n"
        "Include Filters=*.tmp|)(|Temp|)(|1|)E(|notes.txt?|)(|Notes|)(|1|)E(|report?|)(|Report|)(|1|)E(|\r\n";
    MakeFile(kFolder + L"Config.ini", config);
    const std::wstring exe = kFolder + L"KestruneDiskCleaner.exe";
    STARTUPINFOW si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    Outcome run;
    if (!CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        ADD_FAILURE() << "the program did not start";
        return run;
    }
    HWND main = WaitForWindow(pi.dwProcessId, nullptr, 20000);
    EXPECT_NE(main, nullptr);
    if (main) {
        PostMessageW(ChildWithText(main, L"开始扫描"), BM_CLICK, 0, 0);
        EXPECT_TRUE(
            WaitForText(main, L"Scaning: Scan completed! Please click \"Delete\" to continue...", 20000));
        PostMessageW(ChildWithText(main, L"删除"), BM_CLICK, 0, 0);
        HWND confirm = WaitForWindow(pi.dwProcessId, main, 10000);
        EXPECT_NE(confirm, nullptr);
        if (confirm) {
            PostMessageW(confirm, WM_COMMAND, IDOK, 0);
            // Until it is gone the confirmation itself would pass for the report.
            for (int waited = 0; waited < 10000 && IsWindow(confirm); waited += 50) Sleep(50);
        }
        // The report, when some ticked file was left, or the drive list again.
        for (int waited = 0; waited < 30000 && !ChildWithText(main, L"开始扫描"); waited += 50) {
            HWND report = WaitForWindow(pi.dwProcessId, main, 50);
            HWND list = report ? ChildOfClass(report, WC_LISTVIEWW) : nullptr;
            if (list) {
                run.reportRows = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
                PostMessageW(report, WM_CLOSE, 0, 0);
                break;
            }
        }
        EXPECT_TRUE(WaitForText(main, L"开始扫描", 10000));
        PostMessageW(main, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    run.after = Files();
    return run;
}

void MakeTwins() {
    CreateDirectoryW(Long(L"D:\\dotdir.").c_str(), nullptr);
    CreateDirectoryW(Long(L"D:\\dotdir").c_str(), nullptr);
    MakeFile(L"D:\\notes.txt ", "ticked");
    MakeFile(L"D:\\notes.txt", "a user's document");
    MakeFile(L"D:\\report.", "ticked");
    MakeFile(L"D:\\report", "a user's report");
    MakeFile(L"D:\\dotdir.\\y.tmp", "ticked");
    MakeFile(L"D:\\dotdir\\y.tmp", "excluded");
    MakeFile(L"D:\\con.tmp", "ticked");
    MakeFile(L"D:\\plain.tmp", "ticked");
}
}  // namespace

TEST(ProgramDeletes, PermanentlyExactlyTheListedFiles) {
    MakeTwins();
    const std::set<std::wstring> before = Files();
    Outcome run = ScanAndDelete("101001");
    std::set<std::wstring> expected = before;
    for (const wchar_t* gone :
         {L"D:\\notes.txt ", L"D:\\report.", L"D:\\dotdir.\\y.tmp", L"D:\\con.tmp", L"D:\\plain.tmp"})
        expected.erase(gone);
    EXPECT_EQ(run.after, expected);
    EXPECT_EQ(run.reportRows, -1);
}

TEST(ProgramDeletes, IntoTheRecycleBinOnlyWhatTheShellReachesExactly) {
    MakeTwins();
    const std::set<std::wstring> before = Files();
    Outcome run = ScanAndDelete("101010");
    std::set<std::wstring> expected = before;
    expected.erase(L"D:\\plain.tmp");
    EXPECT_EQ(run.after, expected);
    EXPECT_EQ(run.reportRows, 4);  // the four names the Recycle Bin cannot take
}
