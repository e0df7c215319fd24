#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/shell_open.h"
#include "scan_fixture.h"
#include "support/keys.h"

// Reviewing the results through the real window: the row menu by mouse and keyboard, what each entry
// does, ticks by folder, several selected rows, and the export of the list.

namespace {
const std::vector<std::string> kMenuCaptions = {
    "打开所在文件夹", "复制路径", "属性", "-", "勾选此文件夹全部", "取消勾选此文件夹全部", "-", "导出列表…"};

struct MenuSeen {
    bool open = false;
    std::vector<std::string> captions;
    std::vector<int> rows;
    POINT at{};
    std::vector<bool> enabled;
};

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    HANDLE h =
        CreateFileW(Long(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "(none)";
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}
}  // namespace

class ResultsReview : public ScanTest {
  protected:
    void SetUp() override {
        ScanTest::SetUp();
        for (const char* folder : {"D:\\a", "D:\\a\\sub", "D:\\ab"}) MakeFolder(folder);
        MakeFile("D:\\top.tmp", "1");
        MakeFile("D:\\a\\one.tmp", "22");
        MakeFile("D:\\a\\two.tmp", "333");
        MakeFile("D:\\a\\sub\\three.tmp", "4444");
        MakeFile("D:\\ab\\four.tmp", "55555");
        form->resultsPage.suiButtonScanClick();
        ASSERT_EQ(list().Count(), 5);
        SetShellOpenHook([this](const ShellOpenCall& c) { calls.push_back(c); });
    }
    void TearDown() override {
        SetShellOpenHook({});
        ScanTest::TearDown();
    }
    ListView& list() const { return form->resultsPage.ListViewScan; }
    int RowOf(const std::string& name) const {
        for (int row = 0; row < list().Count(); ++row)
            if (list().Cell(row, 1) == name) return row;
        ADD_FAILURE() << name;
        return 0;
    }
    std::vector<std::string> NamesOf(const std::vector<int>& rows) const {
        std::vector<std::string> names;
        for (int row : rows) names.push_back(list().Cell(row, 1));
        return names;
    }
    // The names of the ticked rows, in the list's order.
    std::vector<std::string> Ticked() const {
        std::vector<std::string> names;
        for (const ResultRow& r : Rows())
            if (r.mark == kMarkTicked) names.push_back(r.name);
        return names;
    }
    POINT CellCentre(int row, int column) const {
        RECT r{};
        ListView_GetSubItemRect(list().hwnd, row, column, LVIR_BOUNDS, &r);
        if (column == 0) return {r.left + 8, r.top + 6};  // the tick box
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // Runs `open`, which should open the row menu, and reads the open menu before closing it.
    MenuSeen WhileMenuOpen(const std::function<void()>& open) {
        MenuSeen seen;
        RunSoon(250, [&] {
            PopupMenu& menu = form->resultsPage.ListViewScanMenu;
            seen.open = menu.OpenHandle() != nullptr;
            for (const auto& item : menu.Items()) {
                seen.captions.push_back(item.caption);
                seen.enabled.push_back(item.enabled);
            }
            seen.rows = form->resultsPage.menuRows;
            seen.at = menu.LastPoint();
            EndMenu();
        });
        open();
        PumpFor(400);
        return seen;
    }
    void PostMouse(UINT down, UINT up, WPARAM keys, POINT p) {
        PostMessageW(list().hwnd, down, keys, MAKELPARAM(p.x, p.y));
        PostMessageW(list().hwnd, up, keys & ~(MK_LBUTTON | MK_RBUTTON), MAKELPARAM(p.x, p.y));
        PumpFor(30);
    }
    void RightClick(int row, int column) {
        PostMouse(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, CellCentre(row, column));
    }
    void LeftClick(int row, WPARAM keys = 0) {
        PostMouse(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON | keys, CellCentre(row, 1));
    }
    // Opens the menu on a row's name and chooses an entry, as the user would.
    void Choose(int row, const std::string& entry) {
        MenuSeen seen = WhileMenuOpen([&] { RightClick(row, 1); });
        ASSERT_TRUE(seen.open);
        form->resultsPage.ListViewScanMenu.Choose(entry);
    }
    std::string Counters() const {
        return form->resultsPage.LabelSelectCount.Text() + " / " + form->resultsPage.LabelSelectSize.Text();
    }
    std::vector<ShellOpenCall> calls;
};

TEST_F(ResultsReview, RightClickOnNameSizeOrFolderOpensTheMenuOfThatRow) {
    for (int column : {1, 2, 3}) {
        const int row = RowOf("two.tmp");
        MenuSeen seen = WhileMenuOpen([&] { RightClick(row, column); });
        ASSERT_TRUE(seen.open) << column;
        EXPECT_EQ(seen.captions, kMenuCaptions);
        EXPECT_EQ(NamesOf(seen.rows), std::vector<std::string>{"two.tmp"});
        EXPECT_EQ(std::count(seen.enabled.begin(), seen.enabled.end(), false), 0);
    }
    EXPECT_EQ(Ticked().size(), 5u);
}

TEST_F(ResultsReview, RightClickOnATickBoxTogglesItAndOpensNoMenu) {
    const int row = RowOf("one.tmp");
    MenuSeen seen = WhileMenuOpen([&] { RightClick(row, 0); });
    EXPECT_FALSE(seen.open);
    EXPECT_EQ(Rows()[row].mark, kMarkUnticked);
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 4");
}

TEST_F(ResultsReview, MenuKeyAndShiftF10OpenTheMenuBelowTheFocusedRow) {
    SetFocus(list().hwnd);
    PressKey(form->hwnd, VK_DOWN);
    PressKey(form->hwnd, VK_DOWN);
    const int focused = list().FocusedRow();
    ASSERT_EQ(focused, 1);
    RECT r{};
    ListView_GetItemRect(list().hwnd, focused, &r, LVIR_LABEL);
    POINT below{r.left, r.bottom};
    ClientToScreen(list().hwnd, &below);
    for (unsigned shift : {kNoModifier, kShift}) {
        const UINT vk = shift ? VK_F10 : VK_APPS;
        MenuSeen seen = WhileMenuOpen([&] { PressKey(form->hwnd, vk, shift); });
        ASSERT_TRUE(seen.open) << vk;
        EXPECT_EQ(seen.rows, std::vector<int>{focused});
        EXPECT_EQ(seen.at.y, below.y);
        EXPECT_GE(seen.at.x, below.x);
    }
}

TEST_F(ResultsReview, EntriesOpenTheFolderCopyThePathAndShowProperties) {
    const int row = RowOf("two.tmp");
    Choose(row, "menuOpenFolder");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].verb, "select");
    EXPECT_EQ(calls[0].target, "D:\\a\\");
    EXPECT_EQ(calls[0].selected, std::vector<std::string>{"two.tmp"});

    calls.clear();
    Choose(row, "menuProperties");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].verb, "properties");
    EXPECT_EQ(calls[0].target, "D:\\a\\two.tmp");

    CopyTextToClipboard(form->hwnd, "before");
    Choose(row, "menuCopyPath");
    EXPECT_EQ(ClipboardText(form->hwnd), "D:\\a\\two.tmp");
    EXPECT_EQ(Ticked().size(), 5u) << "none of them changes a tick";
}

TEST_F(ResultsReview, EntriesActOnEverySelectedRowWhenTheClickedOneIsAmongThem) {
    const int one = RowOf("one.tmp"), two = RowOf("two.tmp"), top = RowOf("top.tmp");
    LeftClick(one);
    LeftClick(top, MK_CONTROL);
    LeftClick(two, MK_CONTROL);
    Choose(two, "menuOpenFolder");
    ASSERT_EQ(calls.size(), 2u) << "one window per folder";
    EXPECT_EQ(calls[0].target, "D:\\");
    EXPECT_EQ(calls[0].selected, std::vector<std::string>{"top.tmp"});
    EXPECT_EQ(calls[1].target, "D:\\a\\");
    EXPECT_EQ(calls[1].selected, (std::vector<std::string>{"one.tmp", "two.tmp"}));
    Choose(two, "menuCopyPath");
    EXPECT_EQ(ClipboardText(form->hwnd), "D:\\top.tmp\r\nD:\\a\\one.tmp\r\nD:\\a\\two.tmp");

    // A right click outside the selection acts on that row alone, and selects it.
    MenuSeen seen = WhileMenuOpen([&] { RightClick(RowOf("four.tmp"), 1); });
    EXPECT_EQ(NamesOf(seen.rows), std::vector<std::string>{"four.tmp"});
    EXPECT_EQ(NamesOf(list().SelectedRows()), std::vector<std::string>{"four.tmp"});
}

TEST_F(ResultsReview, FolderEntriesChangeThatFolderAndItsSubfoldersOnly) {
    Choose(RowOf("one.tmp"), "menuUntickFolder");
    EXPECT_EQ(Ticked(), (std::vector<std::string>{"top.tmp", "four.tmp"}))
        << "D:\\ab\\ is not inside D:\\a\\";
    EXPECT_EQ(Counters(), "Select Files: 2 / Select  Size: 6 Byte(s)");
    Choose(RowOf("three.tmp"), "menuTickFolder");
    EXPECT_EQ(Ticked(), (std::vector<std::string>{"top.tmp", "three.tmp", "four.tmp"}));
    EXPECT_EQ(Counters(), "Select Files: 3 / Select  Size: 10 Byte(s)");
    Choose(RowOf("top.tmp"), "menuUntickFolder");  // the drive's root holds every row
    EXPECT_TRUE(Ticked().empty());
    EXPECT_EQ(Counters(), "Select Files: 0 / Select  Size: 0 Byte(s)");
    Choose(RowOf("two.tmp"), "menuTickFolder");
    EXPECT_EQ(Ticked(), (std::vector<std::string>{"one.tmp", "two.tmp", "three.tmp"}));
    EXPECT_EQ(SelectedBytes, 9);
}

TEST_F(ResultsReview, ShiftAndCtrlSelectRowsAndSpaceTicksThemTogether) {
    const int first = RowOf("top.tmp");
    ASSERT_EQ(first, 0);
    LeftClick(0);
    LeftClick(2, MK_SHIFT);
    EXPECT_EQ(list().SelectedRows(), (std::vector<int>{0, 1, 2}));
    LeftClick(4, MK_CONTROL);
    EXPECT_EQ(list().SelectedRows(), (std::vector<int>{0, 1, 2, 4}));
    PressKey(form->hwnd, VK_SPACE);  // the focused row is ticked: all four are unticked
    EXPECT_EQ(Ticked(), std::vector<std::string>{list().Cell(3, 1)});
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 1");
    ClickScanBox(0);  // ticked again by its box; the focused row is unticked, so Space ticks all four
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(Ticked().size(), 5u);
    EXPECT_EQ(SelectedBytes, 15);

    LeftClick(1);
    PressKey(form->hwnd, VK_DOWN, kShift);
    PressKey(form->hwnd, VK_DOWN, kShift);
    EXPECT_EQ(list().SelectedRows(), (std::vector<int>{1, 2, 3}));
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(Ticked(), (std::vector<std::string>{list().Cell(0, 1), list().Cell(4, 1)}));
    EXPECT_EQ(Counters(), "Select Files: 2 / Select  Size: 6 Byte(s)");
}

TEST_F(ResultsReview, ARunningScanOffersOnlyTheEntriesThatLeaveTicksAlone) {
    struct Case {
        int state;
        bool ticksOffered;
    } cases[] = {{Scanning, false}, {Paused, true}, {Idle, true}};
    for (const Case& c : cases) {
        ScanState = c.state;
        MenuSeen seen = WhileMenuOpen([&] { RightClick(1, 1); });
        ASSERT_TRUE(seen.open);
        EXPECT_EQ(seen.enabled,
                  (std::vector<bool>{true, true, true, true, c.ticksOffered, c.ticksOffered, true, true}))
            << c.state;
    }
    ScanState = Idle;
}

class ResultsExport : public ResultsReview {
  protected:
    void SetUp() override {
        ResultsReview::SetUp();
        RemoveFile(target);
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
    std::string target = TestExeFolder() + "export.csv";
    std::vector<std::string> offered;
};

TEST_F(ResultsExport, WritesTheRowsInTheListsOrderAndChangesNothingElse) {
    ClickScanBox(RowOf("two.tmp"));
    form->resultsPage.ListViewScanColumnClick(3);
    form->resultsPage.ListViewScanColumnClick(3);  // by size, largest first
    const std::vector<ResultRow> before = Rows();
    const std::string config = ReadBytes(TestExeFolder() + "Config.ini"), counters = Counters();
    Choose(0, "menuExport");
    SYSTEMTIME today;
    GetLocalTime(&today);
    char name[64];
    snprintf(name, sizeof(name), "Kestrune scan %04d-%02d-%02d.csv", today.wYear, today.wMonth, today.wDay);
    EXPECT_EQ(offered, std::vector<std::string>{name});
    EXPECT_EQ(ReadBytes(target),
              "\xEF\xBB\xBF"
              "Ticked,Name,Folder,Size (bytes)\r\n"
              "Yes,four.tmp,D:\\ab\\,5\r\n"
              "Yes,three.tmp,D:\\a\\sub\\,4\r\n"
              "No,two.tmp,D:\\a\\,3\r\n"
              "Yes,one.tmp,D:\\a\\,2\r\n"
              "Yes,top.tmp,D:\\,1\r\n");
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(Counters(), counters);
    EXPECT_EQ(ReadBytes(TestExeFolder() + "Config.ini"), config);
    EXPECT_TRUE(messages.empty());

    RemoveFile(target);
    SetFocus(list().hwnd);
    PressKey(form->hwnd, 'S', kCtrl);
    EXPECT_EQ(offered.size(), 2u);
    EXPECT_TRUE(FileExists(target)) << "Ctrl+S on the list exports too";
}

TEST_F(ResultsExport, AnUnwritableTargetIsReportedAndLeavesNoFile) {
    struct Case {
        std::string path;
        bool existing;  // a read-only file is there already, and stays as it was
    } cases[] = {
        {TestExeFolder() + "no such folder\\list.csv", false},
        {TestExeFolder() + "read-only.csv", true},
    };
    for (const Case& c : cases) {
        messages.clear();
        target = c.path;
        if (c.existing) {
            MakeFile(c.path, "kept");
            SetFileAttributesW(Long(c.path).c_str(), FILE_ATTRIBUTE_READONLY);
        }
        form->resultsPage.menuExportClick();
        ASSERT_EQ(messages.size(), 1u) << c.path;
        EXPECT_EQ(messages[0].rfind("Could not write the list to " + c.path + ":\n", 0), 0u) << messages[0];
        EXPECT_GT(messages[0].size(), ("Could not write the list to " + c.path + ":\n").size())
            << "with the reason";
        EXPECT_EQ(ReadBytes(c.path), c.existing ? "kept" : "(none)");
        RemoveFile(c.path);
    }
}
