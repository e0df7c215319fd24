#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/text.h"
#include "settings/add_filter_dialogs.h"
#include "support/main_window.h"

// Shared by the Options tests: Config.ini in the test folder, a main window made afresh for each test,
// scripted message boxes and points inside the Options lists.

inline std::string ConfigPath() { return TestExeFolder() + "Config.ini"; }

inline void WriteConfigBytes(const std::string& bytes) {
    HANDLE h = CreateFileW(Widen(ConfigPath()).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

inline std::string ReadConfigBytes() {
    std::string bytes;
    HANDLE h = CreateFileW(Widen(ConfigPath()).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

inline void RemoveConfig() {
    std::wstring path = Widen(ConfigPath());
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        RemoveDirectoryW(path.c_str());
    else
        RemoveFile(ConfigPath());
    RemoveFile(ConfigPath() + ".tmp");
}

// Runs fn from the message loop after a delay: the way to act inside a modal dialog. The id cancels it.
inline std::map<UINT_PTR, std::function<void()>>& PendingLater() {
    static std::map<UINT_PTR, std::function<void()>> pending;
    return pending;
}
inline void CALLBACK RunLaterTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto it = PendingLater().find(id);
    if (it == PendingLater().end()) return;
    auto fn = std::move(it->second);
    PendingLater().erase(it);
    fn();
}
inline UINT_PTR RunLater(int milliseconds, std::function<void()> fn) {
    UINT_PTR id = SetTimer(nullptr, 0, milliseconds, RunLaterTimer);
    PendingLater()[id] = std::move(fn);
    return id;
}
inline void CancelLater(UINT_PTR id) {
    KillTimer(nullptr, id);
    PendingLater().erase(id);
}

struct ListRow {
    std::vector<std::string> cells;
    int mark;
    bool operator==(const ListRow&) const = default;
};

inline std::vector<ListRow> Rows(const ListView& list) {
    std::vector<ListRow> rows;
    for (int r = 0; r < list.Count(); ++r) {
        ListRow row{{}, list.Mark(r)};
        for (int c = 0; c < list.ColumnCount(); ++c) row.cells.push_back(list.Cell(r, c));
        rows.push_back(row);
    }
    return rows;
}

inline std::vector<std::string> Column(const ListView& list, int column) {
    std::vector<std::string> cells;
    for (int r = 0; r < list.Count(); ++r) cells.push_back(list.Cell(r, column));
    return cells;
}

inline std::vector<std::string> Captions(const ListView& list) {
    std::vector<std::string> captions;
    for (int c = 0; c < list.ColumnCount(); ++c) captions.push_back(list.ColumnCaption(c));
    return captions;
}

// A point on the row's tick box, found by hit-testing along the row's left edge.
inline POINT TickBoxPoint(const ListView& list, int row) {
    RECT r{};
    ListView_GetItemRect(list.hwnd, row, &r, LVIR_BOUNDS);
    for (int x = r.left; x < r.left + 40; ++x) {
        bool onTick = false;
        if (list.HitTest(x, r.top + 4, &onTick) == row && onTick) return {x + 2, r.top + 4};
    }
    ADD_FAILURE() << "no tick box found on row " << row;
    return {-1, -1};
}

inline POINT CellPoint(const ListView& list, int row, int column) {
    RECT r{};
    ListView_GetSubItemRect(list.hwnd, row, column, LVIR_BOUNDS, &r);
    return {r.left + 10, (r.top + r.bottom) / 2};
}

class OptionsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        RemoveConfig();
        MainWindowTest::SetUp();
        CreateAddFilterDialogs();
        ScriptBoxes(IDOK);
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        RemoveConfig();
    }
    // A new start of the program's main window, reading Config.ini again.
    void Restart() {
        MainWindowTest::TearDown();
        MainWindowTest::SetUp();
        ScriptBoxes(answer);
    }
    // Message boxes are recorded and answered; the folder picker returns `picked`.
    void ScriptBoxes(int reply) {
        answer = reply;
        SetDialogScript({.messageBox =
                             [this](const MessageBoxCall& call) {
                                 boxes.push_back(call);
                                 return answer;
                             },
                         .browseForFolder =
                             [this](const std::string& title) {
                                 pickerTitles.push_back(title);
                                 return picked;
                             }});
    }
    int answer = IDOK;
    std::vector<MessageBoxCall> boxes;
    std::vector<std::string> pickerTitles;
    std::optional<std::string> picked;
};
