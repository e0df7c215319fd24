#include <algorithm>

#include "scan_fixture.h"

namespace {
const char* const kName = "文件名";
const char* const kLocation = "位置";
const char* const kSize = "大小(Bytes)";
const std::string kUp = "↑", kDown = "↓";

std::vector<std::string> Column(const std::vector<ResultRow>& rows, std::string ResultRow::*field) {
    std::vector<std::string> out;
    for (const ResultRow& r : rows) out.push_back(r.*field);
    return out;
}

// The rows' full paths in a fixed order, to see that a sort kept every row once.
std::vector<std::string> SortedPaths(const std::vector<ResultRow>& rows) {
    std::vector<std::string> paths;
    for (const ResultRow& r : rows) paths.push_back(r.location + r.name);
    std::sort(paths.begin(), paths.end());
    return paths;
}
}  // namespace

class ResultsList : public ScanTest {
  protected:
    void SetUp() override {
        ScanTest::SetUp();
        MakeFolder("D:\\b");
        MakeFolder("D:\\c");
        MakeFileOfSize("D:\\big.tmp", 3000000000LL);
        MakeFileOfSize("D:\\Medium.tmp", 2000000000LL);
        MakeFile("D:\\b\\small.tmp", "123");
        MakeFile("D:\\c\\Alpha.tmp", "1234567");
        form->resultsPage.suiButtonScanClick();
    }
    std::vector<std::string> Names() const { return Column(Rows(), &ResultRow::name); }
    // A click on a column header as the list reports it to its parent.
    void ClickHeader(int column) {
        NMLISTVIEW n{};
        n.hdr = {form->resultsPage.ListViewScan.hwnd, 0, UINT(LVN_COLUMNCLICK)};
        n.iSubItem = column;
        SendMessageW(GetParent(form->resultsPage.ListViewScan.hwnd), WM_NOTIFY, 0, LPARAM(&n));
    }
    // Sorts a column descending with its comparison rather than by reversing an ascending order.
    void SortDescendingAfresh(int column) {
        for (int c : {column, column, column == 3 ? 1 : 3, column})
            form->resultsPage.ListViewScanColumnClick(c);
        EXPECT_EQ(form->resultsPage.ListViewScan.ColumnCaption(column).rfind(kDown, 0), 0u) << column;
    }
    std::string Captions() const {
        std::string all;
        for (int c = 0; c < 4; ++c) {
            all += '[';
            all += form->resultsPage.ListViewScan.ColumnCaption(c);
            all += ']';
        }
        return all;
    }
};

TEST_F(ResultsList, ShowsTheColumnsAndRowsOfTheScan) {
    EXPECT_EQ(form->resultsPage.ListViewScan.ColumnCount(), 4);
    EXPECT_EQ(Captions(), std::string("[][") + kName + "][" + kLocation + "][" + kSize + "]");
    EXPECT_EQ(Names(), (std::vector<std::string>{"big.tmp", "Medium.tmp", "small.tmp", "Alpha.tmp"}));
    EXPECT_EQ(Rows()[0].size, "3000000000");
    EXPECT_EQ(form->resultsPage.LabelTotalSize.Text(), "Total  Size: 4768.37 MB");
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 4");
}

TEST_F(ResultsList, TickBoxTogglesAndKeepsTheCountersExact) {
    const std::string countBefore = form->resultsPage.LabelSelectCount.Text(),
                      sizeBefore = form->resultsPage.LabelSelectSize.Text();
    ClickScanBox(0);
    EXPECT_EQ(Rows()[0].mark, kMarkUnticked);
    EXPECT_EQ(SelectedBytes, 2000000010LL);
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 3");
    EXPECT_EQ(form->resultsPage.LabelSelectSize.Text(), "Select  Size: 1907.35 MB");
    ClickScanBox(0, kRightButton);  // any button toggles
    EXPECT_EQ(Rows()[0].mark, kMarkTicked);
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), countBefore);
    EXPECT_EQ(form->resultsPage.LabelSelectSize.Text(), sizeBefore);
    EXPECT_EQ(form->resultsPage.LabelTotalCount.Text(), "Total Files: 4");

    RECT r{};
    r.left = LVIR_BOUNDS;
    ListView_GetItemRect(form->resultsPage.ListViewScan.hwnd, 1, &r, LVIR_BOUNDS);
    form->resultsPage.ListViewScanMouseDown(kLeftButton, r.left + 60, r.top + 6);  // on the file name
    EXPECT_EQ(Rows()[1].mark, kMarkTicked);
}

TEST_F(ResultsList, SelectNoneAndSelectAll) {
    form->resultsPage.SCheckBoxAllNClick();
    for (const ResultRow& r : Rows()) EXPECT_EQ(r.mark, kMarkUnticked);
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 0");
    EXPECT_EQ(form->resultsPage.LabelSelectSize.Text(), "Select  Size: 0 Byte(s)");
    EXPECT_FALSE(form->resultsPage.SCheckBoxAllN.Checked());
    form->resultsPage.suiButtonDeleteClick();
    EXPECT_EQ(messages, std::vector<std::string>{"Please select file first!"});
    EXPECT_TRUE(form->resultsPage.suiPanelClean1.Visible());

    form->resultsPage.SCheckBoxAllClick();
    for (const ResultRow& r : Rows()) EXPECT_EQ(r.mark, kMarkTicked);
    EXPECT_TRUE(form->resultsPage.SCheckBoxAll.Checked());
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 4");
    EXPECT_EQ(SelectedBytes, 5000000010LL);

    EmptyFolder(L"D:\\");  // select all on an empty list
    form->resultsPage.suiButtonScanClick();
    form->resultsPage.SCheckBoxAllClick();
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 0");
    EXPECT_EQ(form->resultsPage.LabelSelectSize.Text(), "Select  Size: 0 Byte(s)");
}

TEST_F(ResultsList, SelectAllRightAfterAScanCountsEachRowOnce) {
    SendMessageW(form->resultsPage.SCheckBoxAll.hwnd, BM_CLICK, 0, 0);  // every row is ticked already
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 4");
    EXPECT_EQ(form->resultsPage.LabelSelectSize.Text(), "Select  Size: 4768.37 MB");
    ClickScanBox(1);
    form->resultsPage.SCheckBoxAllClick();
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 4");
    EXPECT_EQ(SelectedBytes, 5000000010LL);
}

TEST_F(ResultsList, EachFurtherClickOnAColumnReversesRowsAndArrow) {
    struct Case {
        int column;
        std::string caption;
        std::string ResultRow::*field;
        std::vector<std::string> ascending;
    } cases[] = {
        {1, kName, &ResultRow::name, {"Alpha.tmp", "big.tmp", "Medium.tmp", "small.tmp"}},
        {2, kLocation, &ResultRow::location, {"D:\\", "D:\\", "D:\\b\\", "D:\\c\\"}},
        {3, kSize, &ResultRow::size, {"3", "7", "2000000000", "3000000000"}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> descending(c.ascending.rbegin(), c.ascending.rend());
        for (int click = 1; click <= 4; ++click) {
            ClickHeader(c.column);
            const bool up = click % 2 == 1;
            EXPECT_EQ(Column(Rows(), c.field), up ? c.ascending : descending) << c.column << " " << click;
            EXPECT_EQ(form->resultsPage.ListViewScan.ColumnCaption(c.column), (up ? kUp : kDown) + c.caption);
        }
    }
}

TEST_F(ResultsList, SortsByEachColumnWithArrows) {
    form->resultsPage.ListViewScanColumnClick(1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Alpha.tmp", "big.tmp", "Medium.tmp", "small.tmp"}));
    EXPECT_EQ(Captions(), std::string("[][") + kUp + kName + "][" + kLocation + "][" + kSize + "]");
    form->resultsPage.ListViewScanColumnClick(3);
    EXPECT_EQ(Names(), (std::vector<std::string>{"small.tmp", "Alpha.tmp", "Medium.tmp", "big.tmp"}));
    EXPECT_EQ(Captions(), std::string("[][") + kName + "][" + kLocation + "][" + kUp + kSize + "]");
    form->resultsPage.ListViewScanColumnClick(3);
    EXPECT_EQ(Names(), (std::vector<std::string>{"big.tmp", "Medium.tmp", "Alpha.tmp", "small.tmp"}));
    EXPECT_EQ(Captions(), std::string("[][") + kName + "][" + kLocation + "][" + kDown + kSize + "]");
    form->resultsPage.ListViewScanColumnClick(1);  // comes back ascending, as it was
    EXPECT_EQ(Names(), (std::vector<std::string>{"Alpha.tmp", "big.tmp", "Medium.tmp", "small.tmp"}));
    EXPECT_EQ(Captions(), std::string("[][") + kUp + kName + "][" + kLocation + "][" + kSize + "]");

    form->resultsPage.ListViewScanColumnClick(2);  // folders group regardless of case: D:\ < D:\b\ < D:\c\.
    EXPECT_EQ(Column(Rows(), &ResultRow::location),
              (std::vector<std::string>{"D:\\", "D:\\", "D:\\b\\", "D:\\c\\"}));

    ClickScanBox(3);  // untick the last row; the tick column puts unticked rows first
    form->resultsPage.ListViewScanColumnClick(0);
    EXPECT_EQ(Rows()[0].mark, kMarkUnticked);
    EXPECT_EQ(Rows()[0].name, "Alpha.tmp");
    EXPECT_EQ(form->resultsPage.ListViewScan.ColumnCaption(0), kUp);
    EXPECT_EQ(form->resultsPage.ListViewScan.ColumnCaption(2), kLocation);
}

TEST_F(ResultsList, ANewScanKeepsTheSortStateAndAppendsUnsorted) {
    form->resultsPage.ListViewScanColumnClick(3);
    form->resultsPage.suiButtonScanClick();
    EXPECT_EQ(Names(), (std::vector<std::string>{"big.tmp", "Medium.tmp", "small.tmp", "Alpha.tmp"}));
    EXPECT_EQ(form->resultsPage.ListViewScan.ColumnCaption(3), kUp + kSize);
    EXPECT_EQ(form->resultsPage.LabelSelectSize.Text(), "Select  Size: 4768.37 MB");
}

TEST_F(ResultsList, NamesAlikeFarIntoTheirKeysSortByTheirEnds) {
    EmptyFolder(L"D:\\");
    const std::vector<std::string> sorted = {"a_long_common_name_prefix_a.tmp",
                                             "A_LONG_COMMON_NAME_PREFIX_B.tmp",
                                             "a_long_common_name_prefix_c.tmp",
                                             "a_long_common_name_prefix_cc.tmp",
                                             "ab.tmp",
                                             "b.tmp"};
    for (size_t i = sorted.size(); i-- > 0;) MakeFile("D:\\" + sorted[i]);
    form->resultsPage.suiButtonScanClick();
    form->resultsPage.ListViewScanColumnClick(
        3);  // leave the name order, so the next click sorts names afresh
    form->resultsPage.ListViewScanColumnClick(1);
    EXPECT_EQ(Names(), sorted);
    form->resultsPage.ListViewScanColumnClick(1);
    EXPECT_EQ(Names(), std::vector<std::string>(sorted.rbegin(), sorted.rend()));
}

TEST_F(ResultsList, DescendingSortsOverManyEqualKeysKeepEveryRowOnce) {
    // 300 rows alike in tick, location and size: any order of them is right, as long as each stays.
    EmptyFolder(L"D:\\");
    for (int i = 0; i < 300; ++i) MakeFile("D:\\f" + std::to_string(1000 + i) + ".tmp");
    form->resultsPage.suiButtonScanClick();
    const std::vector<std::string> all = SortedPaths(Rows());
    ASSERT_EQ(all.size(), 300u);
    for (int column : {0, 2, 3}) {
        SortDescendingAfresh(column);
        EXPECT_EQ(SortedPaths(Rows()), all) << column;
        EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 300");
    }

    // The same name in 300 folders.
    EmptyFolder(L"D:\\");
    for (int i = 0; i < 300; ++i) {
        const std::string folder = "D:\\d" + std::to_string(1000 + i);
        MakeFolder(folder);
        MakeFile(folder + "\\same.tmp");
    }
    form->resultsPage.suiButtonScanClick();
    const std::vector<std::string> named = SortedPaths(Rows());
    SortDescendingAfresh(1);
    EXPECT_EQ(SortedPaths(Rows()), named);
}
