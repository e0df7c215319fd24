#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/shell_open.h"
#include "platform/whole_file.h"
#include "scan_fixture.h"
#include "support/keys.h"

// Reviewing the results through the real window: the row menu by mouse and keyboard, what each entry
// does, ticks by folder, several selected rows, and the export of the list.

namespace {
struct MenuSeen {
    bool open = false;
    std::vector<std::string> captions;
    std::vector<bool> enabled;
    std::vector<int> rows;
};
}  // namespace

// D:\top.tmp, D:\a\one.tmp, D:\a\two.tmp, D:\a\sub\three.tmp and D:\ab\four.tmp, of 1 to 5 bytes, in this
// order; shell requests are recorded.
class ResultsReview : public ScanTest {
  protected:
    void SetUp() override {
        ScanTest::SetUp();
        for (const char* folder : {"D:\\a", "D:\\a\\sub", "D:\\ab"}) MakeFolder(folder);
        const char* files[] = {"D:\\top.tmp", "D:\\a\\one.tmp", "D:\\a\\two.tmp", "D:\\a\\sub\\three.tmp",
                               "D:\\ab\\four.tmp"};
        for (int i = 0; i < 5; ++i) MakeFile(files[i], std::string(i + 1, 'x'));
        form->resultsPage.suiButtonScanClick();
        ASSERT_EQ(Names(),
                  (std::vector<std::string>{"top.tmp", "one.tmp", "two.tmp", "three.tmp", "four.tmp"}));
        SetShellOpenHook([this](const ShellOpenCall& c) { calls.push_back(c); });
    }
    void TearDown() override {
        SetShellOpenHook({});
        ScanTest::TearDown();
    }
    ListView& list() const { return form->resultsPage.ListViewScan; }
    std::vector<std::string> Names(bool tickedOnly = false) const {
        std::vector<std::string> names;
        for (const ResultRow& r : Rows())
            if (!tickedOnly || r.mark == kMarkTicked) names.push_back(r.name);
        return names;
    }
    std::vector<std::string> Ticked() const { return Names(true); }
    // Runs `open`, which should open the row menu, and reads the open menu before closing it.
    MenuSeen WhileMenuOpen(const std::function<void()>& open) {
        MenuSeen seen;
        RunSoon(250, [&] {
            PopupMenu& menu = form->resultsPage.ListViewScanMenu;
            seen.open = menu.OpenHandle() != nullptr;
            for (const auto& item : menu.Items()) {
                seen.captions.push_back(item.caption.Text());
                seen.enabled.push_back(item.enabled);
            }
            seen.rows = form->resultsPage.menuRows;
            EndMenu();
        });
        open();
        PumpFor(400);
        return seen;
    }
    // A click posted to a row's cell (column 0: its tick box), run through the program's dispatch.
    void Click(int row, int column, UINT down, WPARAM keys = 0) {
        RECT r{};
        ListView_GetSubItemRect(list().hwnd, row, column, LVIR_BOUNDS, &r);
        const LPARAM at =
            column == 0 ? MAKELPARAM(r.left + 8, r.top + 6) : MAKELPARAM(r.left + 20, r.top + 6);
        const WPARAM button = down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
        PostMessageW(list().hwnd, down, keys | button, at);
        PostMessageW(list().hwnd, down + 1, keys, at);  // the button's release
        PumpFor(30);
    }
    // Opens the menu on a row's name and chooses an entry, as the user would.
    void Choose(int row, const std::string& entry) {
        ASSERT_TRUE(WhileMenuOpen([&] { Click(row, 1, WM_RBUTTONDOWN); }).open);
        form->resultsPage.ListViewScanMenu.Choose(entry);
    }
    std::string Counters() const {
        return form->resultsPage.LabelSelectCount.Text() + " / " + form->resultsPage.LabelSelectSize.Text();
    }
    std::vector<ShellOpenCall> calls;
};

TEST_F(ResultsReview, RightClicksAndMenuKeysOpenTheMenuOfTheRightRow) {
    struct Case {
        const char* what;
        std::function<void()> open;
        int row;  // -1: no menu, and the tick box has toggled
    } cases[] = {
        {"name", [&] { Click(2, 1, WM_RBUTTONDOWN); }, 2},
        {"folder", [&] { Click(3, 2, WM_RBUTTONDOWN); }, 3},
        {"size", [&] { Click(4, 3, WM_RBUTTONDOWN); }, 4},
        {"tick box", [&] { Click(0, 0, WM_RBUTTONDOWN); }, -1},
        {"menu key", [&] { PressKey(form->hwnd, VK_APPS); }, 1},
        {"Shift+F10", [&] { PressKey(form->hwnd, VK_F10, kShift); }, 1},
    };
    for (const Case& c : cases) {
        if (c.row == 1) Click(1, 1, WM_LBUTTONDOWN);  // the keys open the menu of the focused row
        MenuSeen seen = WhileMenuOpen(c.open);
        ASSERT_EQ(seen.open, c.row >= 0) << c.what;
        if (c.row < 0) continue;
        EXPECT_EQ(seen.rows, std::vector<int>{c.row}) << c.what;
        EXPECT_EQ(seen.captions,
                  (std::vector<std::string>{"打开所在文件夹", "复制路径", "属性", "-", "勾选此文件夹全部",
                                            "取消勾选此文件夹全部", "-", "导出列表…"}));
    }
    EXPECT_EQ(Ticked().size(), 4u);
    EXPECT_EQ(Rows()[0].mark, kMarkUnticked);
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 4");
}

TEST_F(ResultsReview, EntriesActOnTheClickedRowOrOnTheSelectionItIsIn) {
    Choose(2, "menuOpenFolder");
    Choose(2, "menuProperties");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].verb, "select");
    EXPECT_EQ(calls[0].target, "D:\\a\\");
    EXPECT_EQ(calls[0].selected, std::vector<std::string>{"two.tmp"});
    EXPECT_EQ(calls[1].verb, "properties");
    EXPECT_EQ(calls[1].target, "D:\\a\\two.tmp");
    Choose(2, "menuCopyPath");
    EXPECT_EQ(ClipboardText(form->hwnd), "D:\\a\\two.tmp");

    calls.clear();
    Click(0, 1, WM_LBUTTONDOWN);
    Click(1, 1, WM_LBUTTONDOWN, MK_CONTROL);
    Click(2, 1, WM_LBUTTONDOWN, MK_CONTROL);
    Choose(2, "menuOpenFolder");
    ASSERT_EQ(calls.size(), 2u) << "one window per folder";
    EXPECT_EQ(calls[0].target, "D:\\");
    EXPECT_EQ(calls[0].selected, std::vector<std::string>{"top.tmp"});
    EXPECT_EQ(calls[1].target, "D:\\a\\");
    EXPECT_EQ(calls[1].selected, (std::vector<std::string>{"one.tmp", "two.tmp"}));
    Choose(1, "menuCopyPath");
    EXPECT_EQ(ClipboardText(form->hwnd), "D:\\top.tmp\r\nD:\\a\\one.tmp\r\nD:\\a\\two.tmp");
    EXPECT_EQ(Ticked().size(), 5u) << "none of them changes a tick";

    // A right click outside the selection acts on that row alone, and selects it.
    EXPECT_EQ(WhileMenuOpen([&] { Click(4, 1, WM_RBUTTONDOWN); }).rows, std::vector<int>{4});
    EXPECT_EQ(list().SelectedRows(), std::vector<int>{4});
}

TEST_F(ResultsReview, FolderEntriesChangeThatFolderAndItsSubfoldersOnly) {
    struct Case {
        int row;
        const char* entry;
        std::vector<std::string> ticked;
        const char* counters;
    } cases[] = {
        {1, "menuUntickFolder", {"top.tmp", "four.tmp"}, "Select Files: 2 / Select  Size: 6 Byte(s)"},
        {3,
         "menuTickFolder",
         {"top.tmp", "three.tmp", "four.tmp"},
         "Select Files: 3 / Select  Size: 10 Byte(s)"},
        {0, "menuUntickFolder", {}, "Select Files: 0 / Select  Size: 0 Byte(s)"},  // the drive holds all
        {2,
         "menuTickFolder",
         {"one.tmp", "two.tmp", "three.tmp"},
         "Select Files: 3 / Select  Size: 9 Byte(s)"},
    };
    // Each label is set once per entry, however many rows change.
    static int labelTexts = 0;
    SUBCLASSPROC countTexts = [](HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) -> LRESULT {
        labelTexts += msg == WM_SETTEXT;
        return DefSubclassProc(h, msg, wp, lp);
    };
    SetWindowSubclass(form->resultsPage.LabelSelectCount.hwnd, countTexts, 1, 0);
    for (const Case& c : cases) {
        labelTexts = 0;
        Choose(c.row, c.entry);
        EXPECT_EQ(labelTexts, 1) << c.entry;
        EXPECT_EQ(Ticked(), c.ticked) << c.row << " " << c.entry << " (D:\\ab\\ is not inside D:\\a\\)";
        EXPECT_EQ(Counters(), c.counters);
    }
    RemoveWindowSubclass(form->resultsPage.LabelSelectCount.hwnd, countTexts, 1);
}

TEST_F(ResultsReview, ShiftAndCtrlSelectRowsAndSpaceTicksThemTogether) {
    Click(0, 1, WM_LBUTTONDOWN);
    Click(2, 1, WM_LBUTTONDOWN, MK_SHIFT);
    Click(4, 1, WM_LBUTTONDOWN, MK_CONTROL);
    EXPECT_EQ(list().SelectedRows(), (std::vector<int>{0, 1, 2, 4}));
    PressKey(form->hwnd, VK_SPACE);  // the focused row is ticked: all four are unticked
    EXPECT_EQ(Ticked(), std::vector<std::string>{"three.tmp"});
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 1");
    ClickScanBox(0);  // one ticked again; the focused row is unticked, so Space ticks all four
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(Ticked().size(), 5u);
    EXPECT_EQ(SelectedBytes, 15);

    Click(1, 1, WM_LBUTTONDOWN);
    PressKey(form->hwnd, VK_DOWN, kShift);
    PressKey(form->hwnd, VK_DOWN, kShift);
    EXPECT_EQ(list().SelectedRows(), (std::vector<int>{1, 2, 3}));
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(Ticked(), (std::vector<std::string>{"top.tmp", "four.tmp"}));
    EXPECT_EQ(Counters(), "Select Files: 2 / Select  Size: 6 Byte(s)");
}

TEST_F(ResultsReview, ARunningScanOffersOnlyTheEntriesThatLeaveTicksAlone) {
    for (int state : {Scanning, Paused, Idle}) {
        ScanState = state;
        MenuSeen seen = WhileMenuOpen([&] { Click(1, 1, WM_RBUTTONDOWN); });
        ASSERT_TRUE(seen.open);
        const bool ticks = state != Scanning;
        EXPECT_EQ(seen.enabled, (std::vector<bool>{true, true, true, true, ticks, ticks, true, true}))
            << state;
    }
}

class ResultsExport : public ResultsReview {
  protected:
    void SetUp() override {
        ResultsReview::SetUp();
        SetDialogScript({.messageBox =
                             [this](const MessageBoxCall& c) {
                                 messages.push_back(c.text);
                                 return IDOK;
                             },
                         .saveFileAs = [this](const SaveFileRequest& r) -> std::optional<std::string> {
                             offered.push_back(r.suggestedName);
                             return target;
                         }});
    }
    void TearDown() override {
        RemoveFile(target);
        ResultsReview::TearDown();
    }
    static std::string Bytes(const std::string& path) {
        std::string bytes;
        ReadWholeFile(Widen(path), bytes);
        return bytes;
    }
    std::string target = TestExeFolder() + "export.csv";
    std::vector<std::string> offered;
};

TEST_F(ResultsExport, WritesTheRowsInTheListsOrderAndChangesNothingElse) {
    ClickScanBox(2);
    form->resultsPage.ListViewScanColumnClick(3);
    form->resultsPage.ListViewScanColumnClick(3);  // by size, largest first
    const std::vector<ResultRow> before = Rows();
    const std::string config = Bytes(TestExeFolder() + "Config.ini"), counters = Counters();
    Choose(0, "menuExport");
    SYSTEMTIME today;
    GetLocalTime(&today);
    char name[64];
    snprintf(name, sizeof(name), "Kestrune scan %04d-%02d-%02d.csv", today.wYear, today.wMonth, today.wDay);
    EXPECT_EQ(offered, std::vector<std::string>{name});
    EXPECT_EQ(Bytes(target),
              "\xEF\xBB\xBF"
              "Ticked,Name,Folder,Size (bytes)\r\n"
              "Yes,four.tmp,D:\\ab\\,5\r\n"
              "Yes,three.tmp,D:\\a\\sub\\,4\r\n"
              "No,two.tmp,D:\\a\\,3\r\n"
              "Yes,one.tmp,D:\\a\\,2\r\n"
              "Yes,top.tmp,D:\\,1\r\n");
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(Counters(), counters);
    EXPECT_EQ(Bytes(TestExeFolder() + "Config.ini"), config);
    EXPECT_TRUE(messages.empty());

    RemoveFile(target);
    SetFocus(list().hwnd);
    PressKey(form->hwnd, 'S', kCtrl);
    EXPECT_EQ(offered.size(), 2u);
    EXPECT_TRUE(FileExists(target)) << "Ctrl+S on the list exports too";
}

TEST_F(ResultsExport, AnUnwritableTargetIsReportedAndLeavesNoFile) {
    const std::string readOnly = TestExeFolder() + "read-only.csv";
    MakeFile(readOnly, "kept");
    SetFileAttributesW(Long(readOnly).c_str(), FILE_ATTRIBUTE_READONLY);
    for (const std::string& path : {TestExeFolder() + "no such folder\\list.csv", readOnly}) {
        messages.clear();
        target = path;
        form->resultsPage.menuExportClick();
        ASSERT_EQ(messages.size(), 1u) << path;
        const std::string head = "Could not write the list to " + path + ":\n";
        EXPECT_EQ(messages[0].rfind(head, 0), 0u) << messages[0];
        EXPECT_GT(messages[0].size(), head.size()) << "with the system's reason";
    }
    EXPECT_FALSE(FileExists(TestExeFolder() + "no such folder\\list.csv"));
    EXPECT_EQ(Bytes(readOnly), "kept");
}
