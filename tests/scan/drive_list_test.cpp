#include <cstdio>
#include <string>

#include "scan_fixture.h"

namespace {
// The tick box of a drive row: Wine reports the state icon only in the top 16 pixels of a row.
POINT DriveBox(const DriveCleanPage& page, int row) {
    RECT r{};
    r.left = LVIR_BOUNDS;
    ListView_GetItemRect(page.ListViewDrive.hwnd, row, &r, LVIR_BOUNDS);
    return {r.left + 10, r.top + 6};
}

int RowOf(const DriveCleanPage& page, const std::string& drive) {
    for (int row = 0; row < page.ListViewDrive.Count(); ++row) {
        const std::string caption = page.ListViewDrive.Cell(row, 0);
        if (caption.size() >= 4 && caption.compare(caption.size() - 4, 4, "(" + drive + ")") == 0) return row;
    }
    return -1;
}
}  // namespace

using DriveList = MainWindowTest;

TEST_F(DriveList, ListsTheMappedDrivesInOrderAllTicked) {
    ListView& list = form->drivePage.ListViewDrive;
    std::vector<int> rows;
    for (const char* d : {"C:", "D:", "E:", "F:", "G:"}) rows.push_back(RowOf(form->drivePage, d));
    for (size_t i = 0; i < rows.size(); ++i) {
        ASSERT_GE(rows[i], 0) << i;
        if (i > 0) {
            EXPECT_GT(rows[i], rows[i - 1]);
        }
    }
    for (int row = 0; row < list.Count(); ++row) {
        EXPECT_EQ(list.Mark(row), kMarkTicked);
        for (int column : {1, 2}) {
            const std::string text = list.Cell(row, column);
            EXPECT_GE(text.size(), 7u);
            EXPECT_EQ(text.substr(text.size() - 3), " GB") << text;
            EXPECT_EQ(text[text.size() - 6], '.') << text;  // "0.00 GB" in the C locale of the prefix
        }
    }
    EXPECT_EQ(list.Cell(rows[1], 0), " (D:)");  // Wine's display name of a mapped folder
    EXPECT_EQ(list.ColumnCount(), 3);
    EXPECT_TRUE(GetWindowLongW(list.hwnd, GWL_STYLE) & LVS_NOCOLUMNHEADER);
    EXPECT_EQ(ListView_GetBkColor(list.hwnd), RGB(240, 240, 240));
}

TEST_F(DriveList, CapacityAndFreeSpaceInGigabytes) {
    const int row = RowOf(form->drivePage, "D:");
    ASSERT_GE(row, 0);
    ULARGE_INTEGER available{}, total{};
    ASSERT_TRUE(GetDiskFreeSpaceExW(L"D:\\", &available, &total, nullptr));
    const double gigabyte = 1024.0 * 1024.0 * 1024.0;
    char capacity[32];
    std::snprintf(capacity, sizeof capacity, "%.2f GB", double(total.QuadPart) / gigabyte);
    EXPECT_EQ(form->drivePage.ListViewDrive.Cell(row, 1), capacity);
    // Other programs write to the same disk meanwhile: the free space is compared roughly.
    EXPECT_NEAR(std::stod(form->drivePage.ListViewDrive.Cell(row, 2)), double(available.QuadPart) / gigabyte,
                1.0);
}

TEST_F(DriveList, OnlyALeftPressOnTheTickBoxToggles) {
    const int row = RowOf(form->drivePage, "D:");
    ASSERT_GE(row, 0);
    POINT box = DriveBox(form->drivePage, row);
    form->drivePage.ListViewDriveMouseDown(kLeftButton, box.x, box.y);
    EXPECT_EQ(form->drivePage.ListViewDrive.Mark(row), kMarkUnticked);
    form->drivePage.ListViewDriveMouseDown(kRightButton, box.x, box.y);
    EXPECT_EQ(form->drivePage.ListViewDrive.Mark(row), kMarkUnticked);
    form->drivePage.ListViewDriveMouseDown(kLeftButton, box.x + 80, box.y);  // on the name
    EXPECT_EQ(form->drivePage.ListViewDrive.Mark(row), kMarkUnticked);
    form->drivePage.ListViewDriveMouseDown(kLeftButton, box.x, box.y);
    EXPECT_EQ(form->drivePage.ListViewDrive.Mark(row), kMarkTicked);
}

TEST_F(DriveList, NoRowIsDrawnSelected) {
    form->drivePage.ListViewDrive.Select(0);
    RedrawWindow(form->drivePage.ListViewDrive.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(form->drivePage.ListViewDrive.Selected(), -1);
}

TEST_F(DriveList, PageLayout) {
    RECT inner = form->drivePage.driveInnerPanel.Bounds();
    EXPECT_EQ(inner.left, 10);
    EXPECT_EQ(inner.top, 8);
    RECT frame = form->drivePage.suiPanel2.Bounds();
    EXPECT_EQ(frame.left, 60);
    EXPECT_EQ(frame.top, 169);
    POINT list{0, 0};
    MapWindowPoints(form->drivePage.ListViewDrive.hwnd, form->drivePage.driveInnerPanel.hwnd, &list, 1);
    EXPECT_EQ(list.x, 61);
    EXPECT_EQ(list.y, 190);
    RECT scan = form->drivePage.suiButtonScan.Bounds();
    EXPECT_EQ(scan.left, 402);
    EXPECT_EQ(scan.top, 342);
    EXPECT_EQ(form->drivePage.suiButtonScan.Text(), "开始扫描");
}
