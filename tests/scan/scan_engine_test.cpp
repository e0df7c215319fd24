#include <map>

#include "scan_fixture.h"

namespace {
// Every text the status label shows, in order.
std::vector<std::string>* g_statusTexts = nullptr;
LRESULT CALLBACK RecordStatus(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_SETTEXT && g_statusTexts)
        g_statusTexts->push_back(Narrow(reinterpret_cast<const wchar_t*>(lp)));
    return DefSubclassProc(h, msg, wp, lp);
}

const char* const kCompleted = "Scaning: Scan completed! Please click \"Delete\" to continue...";

// Posts a click of the button when the total counter first shows the count: the click then runs in
// the message pump of the scan that follows that file's count.
HWND g_clickWhenCounted = nullptr;
std::string g_countToClickAt;
LRESULT CALLBACK ClickWhenCounted(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_SETTEXT && g_clickWhenCounted &&
        Narrow(reinterpret_cast<const wchar_t*>(lp)) == g_countToClickAt) {
        PostMessageW(GetParent(g_clickWhenCounted), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                     LPARAM(g_clickWhenCounted));
        g_clickWhenCounted = nullptr;
    }
    return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace

using ScanEngine = ScanTest;

TEST_F(ScanEngine, WalksDepthFirstWithTheStatusAndCounterTexts) {
    MakeFile("D:\\a.tmp", "12345");
    MakeFile("D:\\b.txt");
    MakeFolder("D:\\X");
    MakeFile("D:\\X\\x.tmp", "1234567890");
    MakeFolder("D:\\Y");
    MakeFile("D:\\Y\\y.tmp", "");
    std::vector<std::string> status;
    g_statusTexts = &status;
    form->resultsPage.scanViewInterval =
        0;  // every folder's status is shown, not only the latest per interval
    SetWindowSubclass(form->resultsPage.LabelStatus.hwnd, RecordStatus, 1, 0);
    form->resultsPage.suiButtonScanClick();
    RemoveWindowSubclass(form->resultsPage.LabelStatus.hwnd, RecordStatus, 1);
    g_statusTexts = nullptr;

    EXPECT_EQ(status, (std::vector<std::string>{"Scaning: D:\\", "Scaning: D:\\X\\", "Scaning: D:\\Y\\",
                                                kCompleted}));
    EXPECT_EQ(Rows(), (std::vector<ResultRow>{{"a.tmp", "D:\\", "5", kMarkTicked},
                                              {"x.tmp", "D:\\X\\", "10", kMarkTicked},
                                              {"y.tmp", "D:\\Y\\", "0", kMarkTicked}}));
    EXPECT_EQ(form->resultsPage.LabelTotalCount.Text(), "Total Files: 3");
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 3");
    EXPECT_EQ(form->resultsPage.LabelTotalSize.Text(), "Total  Size: 15 Byte(s)");
    EXPECT_EQ(form->resultsPage.LabelSelectSize.Text(), "Select  Size: 15 Byte(s)");
    EXPECT_TRUE(form->resultsPage.suiPanelClean1.Visible());
    EXPECT_FALSE(form->drivePage.suiPanelClean.Visible());
    EXPECT_TRUE(form->resultsPage.suiButtonDelete.Enabled());
    EXPECT_TRUE(form->resultsPage.suiButtonBack.Enabled());
    EXPECT_FALSE(form->resultsPage.suiButtonPause.Enabled());
    EXPECT_EQ(form->resultsPage.suiButtonPause.Text(), "Pause");
    EXPECT_EQ(ScanState, Idle);
    EXPECT_EQ(ScanDriveList, std::vector<std::string>{"D:"});
}

TEST_F(ScanEngine, AScanThatFindsNothingKeepsTheStartTexts) {
    MakeFile("D:\\b.txt");
    form->resultsPage.suiButtonScanClick();
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(form->resultsPage.LabelTotalCount.Text(), "Total Files: 0");
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 0");
    EXPECT_EQ(form->resultsPage.LabelTotalSize.Text(), "Total  Size: 0 MB");
    EXPECT_EQ(form->resultsPage.LabelSelectSize.Text(), "Select  Size: 0 MB");
    EXPECT_EQ(form->resultsPage.LabelStatus.Text(), kCompleted);
}

TEST_F(ScanEngine, ExcludedFoldersAreSkippedWithEverythingBelowThem) {
    for (const char* folder : {"D:\\WINDOWS", "D:\\WINDOWS\\Temp", "D:\\WINDOWS\\Temp\\deep",
                               "D:\\WINDOWS\\Temp2", "D:\\user", "D:\\user\\SendTo", "D:\\trail"})
        MakeFolder(folder);
    MakeFile("D:\\WINDOWS\\Temp\\t.tmp");
    MakeFile("D:\\WINDOWS\\Temp\\deep\\d.tmp");
    MakeFile("D:\\WINDOWS\\Temp2\\t2.tmp");
    MakeFile("D:\\user\\SendTo\\s.tmp");
    MakeFile("D:\\trail\\r.tmp");
    AddPathRow(form->optionsPage.ListViewExcludePath, "?:\\win*\\temp");
    AddPathRow(form->optionsPage.ListViewExcludePath, "*\\sendto");
    AddPathRow(form->optionsPage.ListViewExcludePath, "?:\\trail\\");  // a trailing "\" matches no folder
    form->resultsPage.suiButtonScanClick();
    EXPECT_EQ(Rows(), (std::vector<ResultRow>{{"r.tmp", "D:\\trail\\", "4", kMarkTicked},
                                              {"t2.tmp", "D:\\WINDOWS\\Temp2\\", "4", kMarkTicked}}));
}

TEST_F(ScanEngine, OnlyTickedFiltersTakePart) {
    MakeFile("D:\\keep.tmp");
    MakeFile("D:\\other.tmp");
    MakeFile("D:\\notes.log");
    AddFilterRow(form->optionsPage.ListViewFilterI, "*.log", "", false);
    AddFilterRow(form->optionsPage.ListViewFilterE, "keep.*", "", true);
    AddFilterRow(form->optionsPage.ListViewFilterE, "other.*", "", false);
    form->resultsPage.suiButtonScanClick();
    EXPECT_EQ(Rows(), (std::vector<ResultRow>{{"other.tmp", "D:\\", "4", kMarkTicked}}));
    EXPECT_EQ(IncludeMaskList, std::vector<std::string>{"*.tmp"});
    EXPECT_EQ(ExcludeMaskList, std::vector<std::string>{"keep.*"});
}

TEST_F(ScanEngine, AttributeOptionsApplyToFilesOnly) {
    struct Case {
        bool read, system, hidden;
        std::vector<std::string> expected;
    } cases[] = {
        {false, false, false, {"plain.tmp", "inhidden.tmp"}},
        {true, false, false, {"plain.tmp", "readonly.tmp", "inhidden.tmp"}},
        {false, true, false, {"plain.tmp", "system.tmp", "inhidden.tmp"}},
        {false, false, true, {"hidden.tmp", "plain.tmp", "inhidden.tmp"}},
        {true, true, true, {"hidden.tmp", "plain.tmp", "readonly.tmp", "system.tmp", "inhidden.tmp"}},
    };
    MakeFile("D:\\plain.tmp");
    MakeFile("D:\\readonly.tmp");
    MakeFile("D:\\hidden.tmp");
    MakeFile("D:\\system.tmp");
    MakeFolder("D:\\zhiddenfolder");
    MakeFile("D:\\zhiddenfolder\\inhidden.tmp");
    SetFileAttributesW(L"D:\\readonly.tmp", FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(L"D:\\hidden.tmp", FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(L"D:\\system.tmp", FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesW(L"D:\\zhiddenfolder", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    for (const Case& c : cases) {
        form->optionsPage.gCheckRead.SetChecked(c.read);
        form->optionsPage.gCheckSystem.SetChecked(c.system);
        form->optionsPage.gCheckHide.SetChecked(c.hidden);
        form->resultsPage.suiButtonScanClick();
        std::vector<std::string> names;
        for (const ResultRow& r : Rows()) names.push_back(r.name);
        EXPECT_EQ(names, c.expected) << "options " << ScanOptionFlags;
    }
}

TEST_F(ScanEngine, ZeroByteOption) {
    MakeFile("D:\\notes.txt", "");
    MakeFile("D:\\locked.txt", "");
    MakeFile("D:\\spared.txt", "");
    MakeFile("D:\\full.txt", "x");
    SetFileAttributesW(L"D:\\locked.txt", FILE_ATTRIBUTE_READONLY);
    AddFilterRow(form->optionsPage.ListViewFilterE, "spared.*", "", true);
    form->optionsPage.gCheckRead.SetChecked(false);
    form->resultsPage.suiButtonScanClick();
    EXPECT_TRUE(Rows().empty());
    form->optionsPage.gCheckZero.SetChecked(true);
    form->resultsPage.suiButtonScanClick();
    EXPECT_EQ(Rows(), (std::vector<ResultRow>{{"notes.txt", "D:\\", "0", kMarkTicked}}));
    EXPECT_EQ(ScanOptionFlags, "00110");
}

TEST_F(ScanEngine, PauseWhileEnumeratingListsTheFolderThenWaitsUntilContinue) {
    for (int i = 0; i < 40; ++i) MakeFile("D:\\f" + std::to_string(100 + i) + ".tmp");
    MakeFolder("D:\\sub");
    MakeFile("D:\\sub\\s.tmp");
    PostClick(form->resultsPage.suiButtonPause);  // runs in the first pump, before the root is enumerated
    size_t rowsWhilePaused = 0;
    std::string captionWhilePaused, statusWhilePaused;
    bool pauseEnabled = false, deleteEnabled = true, backEnabled = false;
    int ticks = 0;
    UINT_PTR timer = Every(30, [&] {
        if (ScanState != Paused || ++ticks < 3) return;
        rowsWhilePaused = form->resultsPage.ListViewScan.Count();
        captionWhilePaused = form->resultsPage.suiButtonPause.Text();
        statusWhilePaused = form->resultsPage.LabelStatus.Text();
        pauseEnabled = form->resultsPage.suiButtonPause.Enabled();
        deleteEnabled = form->resultsPage.suiButtonDelete.Enabled();
        backEnabled = form->resultsPage.suiButtonBack.Enabled();
        form->resultsPage.suiButtonPauseClick();
    });
    form->resultsPage.suiButtonScanClick();
    StopTimer(timer);
    EXPECT_EQ(rowsWhilePaused, 40u);
    EXPECT_EQ(captionWhilePaused, "Continue");
    EXPECT_EQ(statusWhilePaused, "Scaning: D:\\");
    EXPECT_TRUE(pauseEnabled);
    EXPECT_FALSE(deleteEnabled);
    EXPECT_TRUE(backEnabled);
    EXPECT_EQ(Rows().size(), 41u);
    EXPECT_EQ(form->resultsPage.suiButtonPause.Text(), "Pause");
}

TEST_F(ScanEngine, PausedBetweenDrivesStillScansTheNextOnesAfterContinue) {
    EmptyFolder(L"G:\\");
    MakeFile("D:\\d.tmp");
    MakeFile("G:\\g.tmp");
    TickOnlyDrives({"D:", "G:"});
    bool continued = false;
    UINT_PTR timer = Every(30, [&] {
        if (ScanState == Paused && !continued) {
            continued = true;
            form->resultsPage.suiButtonPauseClick();
        }
    });
    PostClick(form->resultsPage.suiButtonPause);
    form->resultsPage.suiButtonScanClick();
    StopTimer(timer);
    EXPECT_TRUE(continued);
    std::vector<std::string> names;
    for (const ResultRow& r : Rows()) names.push_back(r.name);
    EXPECT_EQ(names, (std::vector<std::string>{"d.tmp", "g.tmp"}));
}

TEST_F(ScanEngine, BackDuringAScanStopsItKeepsTheRowsAndShowsTheDriveList) {
    MakeFile("D:\\a.tmp");
    MakeFile("D:\\b.tmp");
    MakeFolder("D:\\X");
    MakeFile("D:\\X\\x.tmp");
    PostClick(form->resultsPage.suiButtonBack);
    form->resultsPage.suiButtonScanClick();
    // The first entry is taken before the walk looks at the state again.
    EXPECT_EQ(Rows(), (std::vector<ResultRow>{{"a.tmp", "D:\\", "4", kMarkTicked}}));
    EXPECT_TRUE(form->drivePage.suiPanelClean.Visible());
    EXPECT_FALSE(form->resultsPage.suiPanelClean1.Visible());
    EXPECT_EQ(form->resultsPage.LabelStatus.Text(), kCompleted);
    EXPECT_TRUE(form->resultsPage.suiButtonDelete.Enabled());
    EXPECT_FALSE(form->resultsPage.suiButtonPause.Enabled());
    form->resultsPage.suiButtonScanClick();  // the next scan starts afresh
    EXPECT_EQ(Rows().size(), 3u);
    EXPECT_EQ(form->resultsPage.LabelTotalCount.Text(), "Total Files: 3");
    EXPECT_EQ(form->resultsPage.LabelTotalSize.Text(), "Total  Size: 12 Byte(s)");
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 3");
    EXPECT_EQ(form->resultsPage.LabelSelectSize.Text(), "Select  Size: 12 Byte(s)");
}

TEST_F(ScanEngine, SelectNoneDuringAScanUnticksTheRowsFoundSoFarOnly) {
    for (int i = 0; i < 6; ++i) MakeFile("D:\\f" + std::to_string(100 + i) + ".tmp");
    form->resultsPage.scanViewInterval = 0;
    g_clickWhenCounted = form->resultsPage.SCheckBoxAllN.hwnd;
    g_countToClickAt = "Total Files: 3";
    SetWindowSubclass(form->resultsPage.LabelTotalCount.hwnd, ClickWhenCounted, 1, 0);
    form->resultsPage.suiButtonScanClick();
    RemoveWindowSubclass(form->resultsPage.LabelTotalCount.hwnd, ClickWhenCounted, 1);
    EXPECT_EQ(g_clickWhenCounted, nullptr) << "the click was never posted";
    std::vector<int> marks;
    for (const ResultRow& r : Rows()) marks.push_back(r.mark);
    EXPECT_EQ(marks, (std::vector<int>{kMarkUnticked, kMarkUnticked, kMarkUnticked, kMarkTicked, kMarkTicked,
                                       kMarkTicked}));
    EXPECT_EQ(form->resultsPage.LabelSelectCount.Text(), "Select Files: 3");
    EXPECT_EQ(form->resultsPage.LabelSelectSize.Text(), "Select  Size: 12 Byte(s)");
    EXPECT_EQ(form->resultsPage.LabelTotalCount.Text(), "Total Files: 6");
}

TEST_F(ScanEngine, ClosingTheWindowDuringAScanEndsItWithoutAMessage) {
    MakeFile("D:\\a.tmp");
    MakeFolder("D:\\X");
    MakeFile("D:\\X\\x.tmp");
    PostMessageW(form->hwnd, WM_CLOSE, 0, 0);
    form->resultsPage.suiButtonScanClick();
    EXPECT_EQ(ScanState, Idle);
    EXPECT_FALSE(IsWindow(form->hwnd));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Rows().size(), 0u);  // the list went with the window
}

TEST_F(ScanEngine, NoTickedDriveRefusesToStart) {
    TickOnlyDrives({});
    form->resultsPage.suiButtonScanClick();
    EXPECT_EQ(messages, std::vector<std::string>{"Please select drives first!"});
    EXPECT_TRUE(form->drivePage.suiPanelClean.Visible());
    EXPECT_FALSE(form->resultsPage.suiPanelClean1.Visible());
}

TEST_F(ScanEngine, UnicodeAndVeryLongPathsAreFound) {
    const std::string chinese = "临时.tmp";   // 临时.tmp
    const std::string accented = "café.tmp";  // café.tmp
    const std::string emoji = "🗑.tmp";     // 🗑.tmp
    MakeFile("D:\\" + chinese);
    MakeFile("D:\\" + accented);
    MakeFile("D:\\" + emoji);
    std::string deep = "D:";
    for (int i = 0; i < 6; ++i) {
        deep += "\\" + std::string(60, char('a' + i));
        MakeFolder(deep);
    }
    MakeFile(deep + "\\deep.tmp");
    form->resultsPage.suiButtonScanClick();
    std::vector<ResultRow> rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    std::vector<std::string> names;
    for (const ResultRow& r : rows) names.push_back(r.name);
    EXPECT_NE(std::find(names.begin(), names.end(), chinese), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), accented), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), emoji), names.end());
    EXPECT_EQ(rows.back().name, "deep.tmp");
    EXPECT_EQ(rows.back().location, deep + "\\");
    EXPECT_GT(rows.back().location.size(), 260u);
}

// E: holds a folder link that loops back to its parent and one to F:\sentinel (tests/scan/fixtures.sh).
TEST_F(ScanEngine, FolderLinksAreNeitherEnteredNorListed) {
    TickOnlyDrives({"E:"});
    form->resultsPage.suiButtonScanClick();
    std::vector<ResultRow> rows = Rows();
    EXPECT_EQ(rows, (std::vector<ResultRow>{{"a.tmp", "E:\\links\\inner\\", "2", kMarkTicked}}));
}
