// What the Drive Clean page hands the scan: TickedDrives.
#include "scan_fixture.h"

using DrivePage = ScanTest;

TEST_F(DrivePage, TickedDrivesAreTheTickedRowsInListOrder) {
    DriveCleanPage& page = form->drivePage;
    EXPECT_EQ(page.TickedDrives(), std::vector<std::string>{"D:"});  // the fixture ticks D: only

    TickOnlyDrives({});
    EXPECT_TRUE(page.TickedDrives().empty());

    TickOnlyDrives({"E:", "C:"});
    EXPECT_EQ(page.TickedDrives(), (std::vector<std::string>{"C:", "E:"}));

    for (int row = 0; row < page.ListViewDrive.Count(); ++row) page.ListViewDrive.SetMark(row, kMarkTicked);
    const std::vector<std::string> all = page.TickedDrives();
    ASSERT_EQ(int(all.size()), page.ListViewDrive.Count());
    for (int row = 0; row < page.ListViewDrive.Count(); ++row) {
        const std::string caption = page.ListViewDrive.Cell(row, 0);
        EXPECT_EQ("(" + all[row] + ")", caption.substr(caption.size() - 4)) << caption;
    }
}

// The scan takes its drives from the Drive Clean page when it starts, not from anything kept before.
TEST_F(DrivePage, TheScanWalksTheDrivesTickedWhenItStarts) {
    MakeFile("D:\\one.tmp");
    form->resultsPage.suiButtonScanClick();
    EXPECT_EQ(ScanDriveList, std::vector<std::string>{"D:"});
    ASSERT_EQ(form->resultsPage.ListViewScan.Count(), 1);

    form->resultsPage.suiButtonBackClick();
    TickOnlyDrives({});
    form->resultsPage.suiButtonScanClick();
    EXPECT_EQ(messages, std::vector<std::string>{"Please select drives first!"});
    EXPECT_EQ(ScanDriveList, std::vector<std::string>{"D:"});  // no scan started
    EXPECT_TRUE(form->drivePage.suiPanelClean.Visible());
}
