#include "scan_fixture.h"
#include "support/accessible_client.h"
#include "support/keys.h"
#include "widgets/keyboard.h"

// The drive and results lists by keyboard: the arrow keys move the focus, Space ticks as a click on
// the tick box does, with the same counters.

namespace {
class DriveKeys : public MainWindowTest {};

class ResultsKeys : public ScanTest {
  protected:
    void SetUp() override {
        ScanTest::SetUp();
        MakeFile("D:\\a.tmp", "12345");
        MakeFile("D:\\b.tmp", std::string(2000, 'x'));
        MakeFile("D:\\c.tmp", "123");
        form->resultsPage.suiButtonScanClick();
        ASSERT_EQ(form->resultsPage.ListViewScan.Count(), 3);
    }
    std::string Counters() const {
        return form->resultsPage.LabelSelectCount.Text() + " / " + form->resultsPage.LabelSelectSize.Text();
    }
};
}  // namespace

TEST_F(DriveKeys, ArrowsMoveTheFocusAndSpaceTogglesThatDriveOnly) {
    ListView& list = form->drivePage.ListViewDrive;
    ASSERT_GE(list.Count(), 3);
    SetFocus(list.hwnd);
    PressKey(form->hwnd, VK_DOWN);  // entered without a focused row: the first key finds the first row
    EXPECT_EQ(list.FocusedRow(), 0);
    PressKey(form->hwnd, VK_DOWN);
    EXPECT_EQ(list.FocusedRow(), 1);
    PressKey(form->hwnd, VK_SPACE);
    std::vector<int> marks;
    for (int row = 0; row < list.Count(); ++row) marks.push_back(list.Mark(row));
    std::vector<int> expected(list.Count(), kMarkTicked);
    expected[1] = kMarkUnticked;
    EXPECT_EQ(marks, expected);
    PressKey(form->hwnd, VK_END);
    EXPECT_EQ(list.FocusedRow(), list.Count() - 1);
    PressKey(form->hwnd, VK_HOME);
    EXPECT_EQ(list.FocusedRow(), 0);
    PressKey(form->hwnd, VK_NEXT);
    EXPECT_EQ(list.FocusedRow(), std::min(list.Count(), ListView_GetCountPerPage(list.hwnd)) - 1);
    PressKey(form->hwnd, VK_PRIOR);
    EXPECT_EQ(list.FocusedRow(), 0);
    PressKey(form->hwnd, VK_DOWN);
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(list.Mark(1), kMarkTicked);
    EXPECT_EQ(form->drivePage.TickedDrives().size(), size_t(list.Count()));
}

TEST_F(DriveKeys, NoRowIsDrawnSelectedAndTheFocusIsKeptOnlyWhileTheKeyboardIsUsed) {
    ListView& list = form->drivePage.ListViewDrive;
    SetFocus(list.hwnd);
    PressKey(form->hwnd, VK_DOWN);
    PressKey(form->hwnd, VK_DOWN);
    UpdateWindow(list.hwnd);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(list.FocusedRow(), 1);
    ShowKeyboardCues(form->hwnd, false);  // as a mouse click does
    UpdateWindow(list.hwnd);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(list.FocusedRow(), -1);
}

TEST_F(ResultsKeys, SpaceTogglesTheFocusedRowWithTheCountersOfAClick) {
    ListView& list = form->resultsPage.ListViewScan;
    const std::string allTicked = Counters();
    ClickScanBox(1);
    const std::string afterClick = Counters();
    ClickScanBox(1);
    ASSERT_EQ(Counters(), allTicked);

    SetFocus(list.hwnd);
    PressKey(form->hwnd, VK_DOWN);
    PressKey(form->hwnd, VK_DOWN);
    ASSERT_EQ(list.FocusedRow(), 1);
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(Counters(), afterClick);
    EXPECT_EQ(list.Mark(1), kMarkUnticked);
    EXPECT_EQ(list.Mark(0), kMarkTicked);
    EXPECT_EQ(list.Mark(2), kMarkTicked);
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(Counters(), allTicked);
    EXPECT_EQ(list.Mark(1), kMarkTicked);
}

TEST_F(ResultsKeys, TabReachesTheCommandBoxesAndSpaceRunsThem) {
    SetFocus(form->resultsPage.SCheckBoxAllN.hwnd);
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(Counters(), "Select Files: 0 / Select  Size: 0 Byte(s)");
    PressKey(form->hwnd, VK_TAB, kShift);
    EXPECT_EQ(FocusName(), "SCheckBoxAll");
    PressKey(form->hwnd, VK_RETURN);
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 3");
    EXPECT_TRUE(form->resultsPage.SCheckBoxAll.Checked());
}

TEST_F(ResultsKeys, RowsReadAsFileLocationAndSizeWithTheirTickAndTheCountersDescribeTheList) {
    ListView& list = form->resultsPage.ListViewScan;
    AccessibleClient acc(list.hwnd);
    ASSERT_TRUE(acc.Valid());
    ASSERT_EQ(acc.ChildCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(acc.Name(row + 1), list.Cell(row, 1) + ", " + list.Cell(row, 2) + ", " + list.Cell(row, 3));
        EXPECT_EQ(acc.State(row + 1) & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
    }
    EXPECT_EQ(acc.Description(),
              "Total Files: 3, Total  Size: 1.96 KB, Select Files: 3, Select  Size: 1.96 KB");
    ClickScanBox(2);
    EXPECT_EQ(acc.State(3) & STATE_SYSTEM_CHECKED, 0);
    EXPECT_EQ(acc.State(1) & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
    EXPECT_NE(acc.Description().find("Select Files: 2"), std::string::npos);
}
