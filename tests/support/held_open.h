#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// A file held open by another process (the test executable itself, started with --hold-open), as an
// editor or a running program would: without sharing, or with the sharing given.
class HeldOpen {
  public:
    explicit HeldOpen(const std::wstring& path, DWORD share = 0) {
        wchar_t exe[MAX_PATH];
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        std::wstring command =
            L"\"" + std::wstring(exe) + L"\" --hold-open \"" + path + L"\" " + std::to_wstring(share);
        STARTUPINFOW si{sizeof si};
        CreateProcessW(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_);
        // Ready once an open that shares nothing meets the sharing violation; a busy machine may take
        // seconds to start the helper under Wine.
        for (int i = 0; i < 3000; ++i) {
            HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr);
            if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION) return;
            if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
            Sleep(10);
        }
        ADD_FAILURE() << "the helper did not open the file";
    }
    ~HeldOpen() { Release(); }
    // Ends the holder: the file is closed.
    void Release() {
        if (!process_.hProcess) return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
        process_ = {};
    }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;

  private:
    PROCESS_INFORMATION process_{};
};
