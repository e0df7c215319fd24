#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/text.h"
#include "settings/list_rows.h"
#include "shared/all_var.h"
#include "support/main_window.h"

// Files on the test drives, made and inspected through the Windows API with "\\?\" paths.
inline std::wstring Long(const std::string& path) { return L"\\\\?\\" + Widen(path); }

inline void MakeFolder(const std::string& path) { CreateDirectoryW(Long(path).c_str(), nullptr); }

inline void MakeFile(const std::string& path, const std::string& content = "junk") {
    HANDLE h = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (!content.empty()) WriteFile(h, content.data(), DWORD(content.size()), &written, nullptr);
    CloseHandle(h);
}

// A sparse file of the given length: sizes beyond 32 bits without writing them.
inline void MakeFileOfSize(const std::string& path, int64_t size) {
    HANDLE h = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER at{};
    at.QuadPart = size;
    SetFilePointerEx(h, at, nullptr, FILE_BEGIN);
    SetEndOfFile(h);
    CloseHandle(h);
}

inline bool Exists(const std::string& path) {
    return GetFileAttributesW(Long(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Empties a folder with a walk that removes links as links and never enters them.
inline void EmptyFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW e;
    HANDLE h = FindFirstFileW((L"\\\\?\\" + folder + L"*").c_str(), &e);
    if (h == INVALID_HANDLE_VALUE) return;
    std::vector<WIN32_FIND_DATAW> entries;
    do {
        if (wcscmp(e.cFileName, L".") && wcscmp(e.cFileName, L"..")) entries.push_back(e);
    } while (FindNextFileW(h, &e));
    FindClose(h);
    for (const WIN32_FIND_DATAW& entry : entries) {
        std::wstring path = folder + entry.cFileName;
        std::wstring extended = L"\\\\?\\" + path;
        SetFileAttributesW(extended.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;  // fixtures' links stay
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            EmptyFolder(path + L"\\");
            RemoveDirectoryW(extended.c_str());
        } else {
            DeleteFileW(extended.c_str());
        }
    }
}

// Runs fn every period from whatever message pump is active, until StopTimer.
inline std::map<UINT_PTR, std::function<void()>> g_timers;
inline void CALLBACK RunTimer(HWND, UINT, UINT_PTR id, DWORD) {
    auto fn = g_timers[id];
    if (fn) fn();
}
inline UINT_PTR Every(int milliseconds, std::function<void()> fn) {
    UINT_PTR id = SetTimer(nullptr, 0, milliseconds, RunTimer);
    g_timers[id] = std::move(fn);
    return id;
}
inline void StopTimer(UINT_PTR id) {
    KillTimer(nullptr, id);
    g_timers.erase(id);
}

struct ResultRow {
    std::string name, location, size;
    int mark;
    bool operator==(const ResultRow&) const = default;
    friend void PrintTo(const ResultRow& r, std::ostream* os) {
        *os << "{" << r.name << ", " << r.location << ", " << r.size << ", mark " << r.mark << "}";
    }
};

// The main window with D: emptied and the only ticked drive, "*.tmp" as the only include filter, and
// read-only and hidden files listed; message boxes are answered by `answer` and recorded.
class ScanTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        EmptyFolder(L"D:\\");
        TickOnlyDrives({"D:"});
        AddFilterRow(form->optionsPage.ListViewFilterI, "*.tmp", "Temporary Files", true);
        form->optionsPage.gCheckRead.SetChecked(true);
        form->optionsPage.gCheckHide.SetChecked(true);
        form->optionsPage.gRadioPermanently.SetChecked(true);
        SetDialogScript({.messageBox = [this](const MessageBoxCall& c) {
            messages.push_back(c.text);
            return answer;
        }});
    }

    void TickOnlyDrives(const std::vector<std::string>& drives) {
        ListView& list = form->drivePage.ListViewDrive;
        for (int row = 0; row < list.Count(); ++row) {
            std::string caption = list.Cell(row, 0);
            bool wanted = false;
            for (const std::string& d : drives) wanted |= caption.find("(" + d + ")") != std::string::npos;
            list.SetMark(row, wanted ? kMarkTicked : kMarkUnticked);
        }
    }

    std::vector<ResultRow> Rows() const {
        std::vector<ResultRow> rows;
        ListView& list = form->resultsPage.ListViewScan;
        for (int row = 0; row < list.Count(); ++row)
            rows.push_back({list.Cell(row, 1), list.Cell(row, 2), list.Cell(row, 3), list.Mark(row)});
        return rows;
    }

    // Presses the tick box of a results row as the mouse would.
    void ClickScanBox(int row, MouseButton button = kLeftButton) {
        RECT r{};
        r.left = LVIR_BOUNDS;
        ListView_GetItemRect(form->resultsPage.ListViewScan.hwnd, row, &r, LVIR_BOUNDS);
        form->resultsPage.ListViewScanMouseDown(button, r.left + 8, r.top + 6);
    }

    // Posts a click of a button so that it runs inside the scan's first message pump.
    void PostClick(Button& button) {
        PostMessageW(GetParent(button.hwnd), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), LPARAM(button.hwnd));
    }

    std::vector<std::string> messages;
    int answer = IDOK;
};
