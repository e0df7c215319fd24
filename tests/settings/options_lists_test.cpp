// Adding, deleting, ticking and sorting the rows of the three Options lists.
#include "settings/list_rows.h"
#include "settings/list_sorting.h"
#include "settings_fixture.h"

namespace {
class OptionsLists : public OptionsTest {
  protected:
    void SetUp() override {
        OptionsTest::SetUp();
        form->LeftMenu2Click();
    }
    void FillFilters(ListView& list) {
        AddFilterRow(list, "*.tmp", "Temporary Files", true);
        AddFilterRow(list, "*.bak", "backup files", false);
        AddFilterRow(list, "~*.*", "Backup Files", true);
        AddFilterRow(list, "a.log", "", false);
    }
    // The double click as the list reports it to its parent.
    void DoubleClick(ListView& list, POINT at) {
        NMITEMACTIVATE n{};
        n.hdr = {list.hwnd, 0, UINT(NM_DBLCLK)};
        n.ptAction = at;
        LVHITTESTINFO info{};
        info.pt = at;
        n.iItem = ListView_SubItemHitTest(list.hwnd, &info);
        SendMessageW(GetParent(list.hwnd), WM_NOTIFY, 0, LPARAM(&n));
    }
    // A double click is two presses, then the double-click notification.
    void DoubleClickFilter(ListView& list, POINT at) {
        OptionsPage& page = form->optionsPage;
        auto down = &list == &page.ListViewFilterI ? &OptionsPage::ListViewFilterIMouseDown
                                                   : &OptionsPage::ListViewFilterEMouseDown;
        (page.*down)(kLeftButton, at.x, at.y);
        DoubleClick(list, at);
    }
};

const char* const kUp = "↑";
const char* const kDown = "↓";
}  // namespace

TEST_F(OptionsLists, PageLayoutAndStartCaptions) {
    ASSERT_EQ(form->optionsPage.suiPage.PageCount(), 4);
    EXPECT_EQ(form->optionsPage.suiPage.ActivePage(), 0);
    EXPECT_EQ(form->optionsPage.suiPage.PageCaption(0), "常规");
    EXPECT_EQ(form->optionsPage.suiPage.PageCaption(1), "排除路径");
    EXPECT_EQ(form->optionsPage.suiPage.PageCaption(2), "文件类型");
    EXPECT_EQ(form->optionsPage.suiPage.PageCaption(3), "排除文件");
    EXPECT_TRUE(form->optionsPage.gCheckRead.Visible() && IsWindowVisible(form->optionsPage.gCheckRead.hwnd));
    EXPECT_FALSE(IsWindowVisible(form->optionsPage.ListViewFilterI.hwnd));
    form->optionsPage.suiPage.SetActivePage(2);
    EXPECT_TRUE(IsWindowVisible(form->optionsPage.ListViewFilterI.hwnd));
    EXPECT_FALSE(IsWindowVisible(form->optionsPage.gCheckRead.hwnd));

    EXPECT_EQ(Captions(form->optionsPage.ListViewExcludePath), (std::vector<std::string>{"排除路径"}));
    EXPECT_EQ(ListView_GetColumnWidth(form->optionsPage.ListViewExcludePath.hwnd, 0), 332);
    EXPECT_EQ(Captions(form->optionsPage.ListViewFilterE),
              (std::vector<std::string>{"", "文件名", "类型", "文件说明"}));
    int widths[] = {27, 85, 50, 170};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(ListView_GetColumnWidth(form->optionsPage.ListViewFilterI.hwnd, c), widths[c]);
    EXPECT_EQ(form->optionsPage.suiButtonDefault.Text(), "默认");
    EXPECT_EQ(form->optionsPage.suiButtonSave.Text(), "保存");
    EXPECT_TRUE(form->optionsPage.OCheckBoxAll1.Checked());
    EXPECT_FALSE(form->optionsPage.OCheckBoxAllN2.Checked());
}

TEST_F(OptionsLists, TickColumnKeepsItsWidth) {
    ListView_SetColumnWidth(form->optionsPage.ListViewFilterI.hwnd, 0, 80);
    EXPECT_EQ(ListView_GetColumnWidth(form->optionsPage.ListViewFilterI.hwnd, 0), 27);
    ListView_SetColumnWidth(form->optionsPage.ListViewFilterI.hwnd, 1, 90);
    EXPECT_EQ(ListView_GetColumnWidth(form->optionsPage.ListViewFilterI.hwnd, 1), 90);
}

TEST_F(OptionsLists, RadioButtonsAreOneGroup) {
    SendMessageW(form->optionsPage.gRadioRecycle.hwnd, BM_CLICK, 0, 0);
    EXPECT_TRUE(form->optionsPage.gRadioRecycle.Checked());
    EXPECT_FALSE(form->optionsPage.gRadioPermanently.Checked());
    SendMessageW(form->optionsPage.gRadioPermanently.hwnd, BM_CLICK, 0, 0);
    EXPECT_FALSE(form->optionsPage.gRadioRecycle.Checked());
    EXPECT_TRUE(form->optionsPage.gRadioPermanently.Checked());
}

TEST_F(OptionsLists, AddingAPathRefusesRootsAndExactDuplicates) {
    struct Case {
        std::optional<std::string> picked;
        int rows;
    } cases[] = {
        {std::nullopt, 0}, {"C:\\", 0},     {"D:", 0},         {"C:\\Temp", 1},
        {"C:\\Temp", 1},   {"C:\\TEMP", 2}, {"C:\\a b\\c", 3},
    };
    for (const Case& c : cases) {
        picked = c.picked;
        SendMessageW(form->optionsPage.epButtonAdd.hwnd, BM_CLICK, 0, 0);
        EXPECT_EQ(form->optionsPage.ListViewExcludePath.Count(), c.rows) << c.picked.value_or("(cancelled)");
    }
    EXPECT_EQ(pickerTitles.front(), "Select a path");
    EXPECT_EQ(Rows(form->optionsPage.ListViewExcludePath).back(), (ListRow{{"C:\\a b\\c"}, kMarkFolder}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OptionsLists, APathTheCodePageCannotHoldIsRefusedWithAMessage) {
    picked = "C:\\𐌰";  // no ANSI code page holds this letter
    form->optionsPage.epButtonAddClick();
    EXPECT_EQ(form->optionsPage.ListViewExcludePath.Count(), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("code page"), std::string::npos);
}

TEST_F(OptionsLists, DeleteButtonsRemoveTheSelectedRowOnly) {
    AddPathRow(form->optionsPage.ListViewExcludePath, "C:\\a");
    AddPathRow(form->optionsPage.ListViewExcludePath, "C:\\b");
    FillFilters(form->optionsPage.ListViewFilterI);
    FillFilters(form->optionsPage.ListViewFilterE);
    form->optionsPage.epButtonDelClick();
    form->optionsPage.ifButtonDeleteClick();
    form->optionsPage.efButtonDeleteClick();
    EXPECT_EQ(form->optionsPage.ListViewExcludePath.Count(), 2);
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Count(), 4);
    form->optionsPage.ListViewExcludePath.Select(0);
    form->optionsPage.ListViewFilterI.Select(1);
    form->optionsPage.ListViewFilterE.Select(3);
    SendMessageW(form->optionsPage.epButtonDel.hwnd, BM_CLICK, 0, 0);
    SendMessageW(form->optionsPage.ifButtonDelete.hwnd, BM_CLICK, 0, 0);
    SendMessageW(form->optionsPage.efButtonDelete.hwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(Column(form->optionsPage.ListViewExcludePath, 0), (std::vector<std::string>{"C:\\b"}));
    EXPECT_EQ(Column(form->optionsPage.ListViewFilterI, 1),
              (std::vector<std::string>{"*.tmp", "~*.*", "a.log"}));
    EXPECT_EQ(Column(form->optionsPage.ListViewFilterE, 1),
              (std::vector<std::string>{"*.tmp", "*.bak", "~*.*"}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OptionsLists, LeftPressOnATickBoxTogglesIt) {
    form->optionsPage.suiPage.SetActivePage(2);
    FillFilters(form->optionsPage.ListViewFilterI);
    PumpFor(30);
    ListView& list = form->optionsPage.ListViewFilterI;
    POINT box = TickBoxPoint(list, 1);
    form->optionsPage.ListViewFilterIMouseDown(kLeftButton, box.x, box.y);
    EXPECT_EQ(list.Mark(1), kMarkTicked);
    form->optionsPage.ListViewFilterIMouseDown(kLeftButton, box.x, box.y);
    EXPECT_EQ(list.Mark(1), kMarkUnticked);
    form->optionsPage.ListViewFilterIMouseDown(kRightButton, box.x, box.y);
    form->optionsPage.ListViewFilterIMouseDown(kMiddleButton, box.x, box.y);
    EXPECT_EQ(list.Mark(1), kMarkUnticked);
    POINT cell = CellPoint(list, 1, 3);
    form->optionsPage.ListViewFilterIMouseDown(kLeftButton, cell.x, cell.y);
    EXPECT_EQ(list.Mark(1), kMarkUnticked);
    EXPECT_EQ(form->optionsPage.m_ListPressPoint.x, cell.x);
}

TEST_F(OptionsLists, PressReachesTheHandlerThroughTheWindow) {
    form->optionsPage.suiPage.SetActivePage(3);
    FillFilters(form->optionsPage.ListViewFilterE);
    PumpFor(30);
    POINT box = TickBoxPoint(form->optionsPage.ListViewFilterE, 0);
    form->optionsPage.ListViewFilterE.onMouseDown(kLeftButton, box.x, box.y);
    EXPECT_EQ(form->optionsPage.ListViewFilterE.Mark(0), kMarkUnticked);
}

TEST_F(OptionsLists, DoubleClickOnACellAsksAndDeletesOnOk) {
    form->optionsPage.suiPage.SetActivePage(2);
    FillFilters(form->optionsPage.ListViewFilterI);
    PumpFor(30);
    ListView& list = form->optionsPage.ListViewFilterI;
    answer = IDCANCEL;
    DoubleClickFilter(list, CellPoint(list, 2, 1));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Delete this filter?");
    EXPECT_EQ(boxes[0].caption, "Confirm");
    EXPECT_EQ(boxes[0].flags, UINT(MB_ICONQUESTION | MB_OKCANCEL));
    EXPECT_EQ(list.Count(), 4);
    answer = IDOK;
    DoubleClickFilter(list, CellPoint(list, 2, 3));
    EXPECT_EQ(Column(list, 1), (std::vector<std::string>{"*.tmp", "*.bak", "a.log"}));
    EXPECT_EQ(Column(list, 0).size(), 3u);
}

TEST_F(OptionsLists, DoubleClickOnATickBoxOrEmptySpaceAsksNothing) {
    form->optionsPage.suiPage.SetActivePage(3);
    FillFilters(form->optionsPage.ListViewFilterE);
    PumpFor(30);
    ListView& list = form->optionsPage.ListViewFilterE;
    DoubleClickFilter(list, TickBoxPoint(list, 0));
    EXPECT_EQ(list.Mark(0), kMarkTicked);  // two presses: as it was
    RECT client;
    GetClientRect(list.hwnd, &client);
    DoubleClickFilter(list, {client.right / 2, client.bottom - 5});
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(list.Count(), 4);
}

TEST_F(OptionsLists, DoubleClickOnAPathAsks) {
    form->optionsPage.suiPage.SetActivePage(1);
    AddPathRow(form->optionsPage.ListViewExcludePath, "C:\\a");
    AddPathRow(form->optionsPage.ListViewExcludePath, "C:\\b");
    PumpFor(30);
    ListView& list = form->optionsPage.ListViewExcludePath;
    POINT at = CellPoint(list, 1, 0);
    form->optionsPage.ListViewExcludePathMouseDown(kLeftButton, at.x + 20, at.y);
    DoubleClick(list, {at.x + 20, at.y});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Delete this path?");
    EXPECT_EQ(boxes[0].caption, "Confirm");
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"C:\\a"}));
    RECT client;
    GetClientRect(list.hwnd, &client);
    DoubleClick(list, {client.right / 2, client.bottom - 5});
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(OptionsLists, SelectAllAndNoneActAsButtons) {
    FillFilters(form->optionsPage.ListViewFilterI);
    FillFilters(form->optionsPage.ListViewFilterE);
    for (int i = 0; i < 2; ++i) SendMessageW(form->optionsPage.OCheckBoxAllN1.hwnd, BM_CLICK, 0, 0);
    EXPECT_FALSE(form->optionsPage.OCheckBoxAllN1.Checked());
    EXPECT_TRUE(form->optionsPage.OCheckBoxAll1.Checked());
    for (int r = 0; r < 4; ++r) EXPECT_EQ(form->optionsPage.ListViewFilterI.Mark(r), kMarkUnticked);
    EXPECT_EQ(form->optionsPage.ListViewFilterE.Mark(0), kMarkTicked);
    for (int i = 0; i < 2; ++i) SendMessageW(form->optionsPage.OCheckBoxAll2.hwnd, BM_CLICK, 0, 0);
    EXPECT_TRUE(form->optionsPage.OCheckBoxAll2.Checked());
    for (int r = 0; r < 4; ++r) EXPECT_EQ(form->optionsPage.ListViewFilterE.Mark(r), kMarkTicked);
    SendMessageW(form->optionsPage.OCheckBoxAll1.hwnd, BM_CLICK, 0, 0);
    SendMessageW(form->optionsPage.OCheckBoxAllN2.hwnd, BM_CLICK, 0, 0);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(form->optionsPage.ListViewFilterI.Mark(r), kMarkTicked);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(form->optionsPage.ListViewFilterE.Mark(r), kMarkUnticked);
    EXPECT_TRUE(form->optionsPage.OCheckBoxAll1.Checked());
    EXPECT_FALSE(form->optionsPage.OCheckBoxAllN2.Checked());
}

TEST_F(OptionsLists, HeaderClicksSortAndMoveOneArrow) {
    ListView& list = form->optionsPage.ListViewFilterI;
    FillFilters(list);
    const std::string name = "文件名", type = "类型";
    struct Step {
        int column;
        std::string nameCaption, typeCaption;
        std::vector<std::string> masks;
    } steps[] = {
        {1, kUp + name, type, {"*.bak", "*.tmp", "~*.*", "a.log"}},
        {1, kDown + name, type, {"a.log", "~*.*", "*.tmp", "*.bak"}},
        {1, kUp + name, type, {"*.bak", "*.tmp", "~*.*", "a.log"}},
        {2, name, kUp + type, {"~*.*", "*.bak", "a.log", "*.tmp"}},
        {2, name, kDown + type, {"*.tmp", "a.log", "*.bak", "~*.*"}},
        {1, kUp + name, type, {"*.bak", "*.tmp", "~*.*", "a.log"}},  // resumes, no toggle
        {2, name, kDown + type, {"*.tmp", "a.log", "*.bak", "~*.*"}},
    };
    for (const Step& s : steps) {
        form->optionsPage.ListViewFilterIColumnClick(s.column);
        EXPECT_EQ(list.ColumnCaption(1), s.nameCaption);
        EXPECT_EQ(list.ColumnCaption(2), s.typeCaption);
        EXPECT_EQ(Column(list, 1), s.masks) << "column " << s.column;
    }
}

TEST_F(OptionsLists, TickColumnSortsByMarkAndDescriptionsIgnoreCase) {
    ListView& list = form->optionsPage.ListViewFilterE;
    FillFilters(list);
    form->optionsPage.ListViewFilterEColumnClick(0);
    EXPECT_EQ(list.ColumnCaption(0), kUp);
    EXPECT_EQ(list.Mark(0), kMarkUnticked);
    EXPECT_EQ(list.Mark(1), kMarkUnticked);
    EXPECT_EQ(list.Mark(3), kMarkTicked);
    form->optionsPage.ListViewFilterEColumnClick(0);
    EXPECT_EQ(list.ColumnCaption(0), kDown);
    EXPECT_EQ(list.Mark(0), kMarkTicked);
    EXPECT_EQ(list.Mark(3), kMarkUnticked);
    form->optionsPage.ListViewFilterEColumnClick(3);
    std::vector<std::string> descriptions = Column(list, 3);
    EXPECT_EQ(descriptions[0], "");
    EXPECT_EQ(CompareLocaleText("backup files", "Backup Files"), 0);
    EXPECT_EQ(descriptions[3], "Temporary Files");
}

// The lists sort with these comparisons, so each must be a consistent order: a row equals itself,
// swapping the rows negates the answer, and the order is transitive; in either direction.
TEST_F(OptionsLists, ComparisonsAreConsistentOrdersInBothDirections) {
    const std::vector<SortKey> keys = {
        {"backup files", kMarkTicked}, {"Backup Files", kMarkUnticked}, {"", kMarkTicked},
        {"*.tmp", kMarkUnticked},      {"~*.*", kMarkTicked},           {"a.log", kMarkUnticked}};
    for (int column : {0, 1, 3}) {
        for (int clicks : {1, 2}) {
            ListSortState state(4);
            for (int i = 0; i < clicks; ++i) state.Click(column);
            for (bool paths : {false, true}) {
                auto compare = [&](const SortKey& a, const SortKey& b) {
                    return paths ? ComparePathRows(state, a, b) : CompareFilterRows(state, a, b);
                };
                const std::string where = "column " + std::to_string(column) + ", clicks " +
                                          std::to_string(clicks) + (paths ? ", paths" : ", filters");
                for (const SortKey& a : keys) {
                    EXPECT_EQ(compare(a, a), 0) << where << ": " << a.text;
                    for (const SortKey& b : keys) {
                        EXPECT_EQ(compare(a, b), -compare(b, a)) << where << ": " << a.text << " " << b.text;
                        for (const SortKey& c : keys) {
                            if (compare(a, b) <= 0 && compare(b, c) <= 0) {
                                EXPECT_LE(compare(a, c), 0)
                                    << where << ": " << a.text << " " << b.text << " " << c.text;
                            }
                        }
                    }
                }
            }
        }
    }
}

TEST_F(OptionsLists, PathListSortsWithArrow) {
    for (const char* p : {"c:\\b", "C:\\a", "C:\\C"}) AddPathRow(form->optionsPage.ListViewExcludePath, p);
    const std::string caption = "排除路径";
    form->optionsPage.ListViewExcludePathColumnClick(0);
    EXPECT_EQ(Column(form->optionsPage.ListViewExcludePath, 0),
              (std::vector<std::string>{"C:\\a", "c:\\b", "C:\\C"}));
    EXPECT_EQ(form->optionsPage.ListViewExcludePath.ColumnCaption(0), kUp + caption);
    form->optionsPage.ListViewExcludePathColumnClick(0);
    EXPECT_EQ(Column(form->optionsPage.ListViewExcludePath, 0),
              (std::vector<std::string>{"C:\\C", "c:\\b", "C:\\a"}));
    EXPECT_EQ(form->optionsPage.ListViewExcludePath.ColumnCaption(0), kDown + caption);
}

TEST_F(OptionsLists, HeaderClickThroughTheListNotification) {
    FillFilters(form->optionsPage.ListViewFilterI);
    NMLISTVIEW n{};
    n.hdr = {form->optionsPage.ListViewFilterI.hwnd, 0, UINT(LVN_COLUMNCLICK)};
    n.iSubItem = 1;
    SendMessageW(GetParent(form->optionsPage.ListViewFilterI.hwnd), WM_NOTIFY, 0, LPARAM(&n));
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Cell(0, 1), "*.bak");
}
