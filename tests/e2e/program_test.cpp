#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// Starts the installed program as a user would and closes it through its main window.
namespace {
const wchar_t* const kExe = L"C:\\Program Files\\Kestrune Disk Cleaner\\KestruneDiskCleaner.exe";

HWND WaitForWindow(const wchar_t* title, DWORD pid, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 100) {
        for (HWND w = FindWindowW(nullptr, title); w; w = FindWindowExW(nullptr, w, nullptr, title)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            // Start-up fills the window before showing it; wait until the user would see it.
            if (owner == pid && IsWindowVisible(w)) return w;
        }
        Sleep(100);
    }
    return nullptr;
}
}  // namespace

TEST(Program, OpensItsMainWindowAndEndsWithCodeZeroOnClose) {
    std::wstring cmd = L"\"" + std::wstring(kExe) + L"\" --ignored-argument";
    STARTUPINFOW si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(kExe, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    HWND main = WaitForWindow(L"Kestrune Disk Cleaner", pi.dwProcessId, 20000);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(IsWindowVisible(main));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = 1234;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    if (code == STILL_ACTIVE) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}
