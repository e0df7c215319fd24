#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include <map>

#include "reference_scan.h"
#include "scan_fixture.h"

namespace {

const char* const kCompleted = "Scaning: Scan completed! Please click \"Delete\" to continue...";

// Posts a message to the window when the total counter first shows at least the count: it then runs
// in the scan's message pump that follows.
struct PostWhenCounted {
    HWND target = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    size_t count = 0;
    uint64_t* viewInterval = nullptr;  // set back to the program's own once the message is posted
};
PostWhenCounted* g_post = nullptr;
LRESULT CALLBACK WatchTotal(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    const std::string prefix = "Total Files: ";
    const std::string text = msg == WM_SETTEXT ? Narrow(reinterpret_cast<const wchar_t*>(lp)) : "";
    if (g_post && text.rfind(prefix, 0) == 0 && std::stoul(text.substr(prefix.size())) >= g_post->count) {
        PostMessageW(g_post->target, g_post->message, g_post->wParam, g_post->lParam);
        if (g_post->viewInterval) *g_post->viewInterval = 200;
        g_post = nullptr;
    }
    return DefSubclassProc(h, msg, wp, lp);
}

int ThreadCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 t{sizeof(t)};
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &t); more; more = Thread32Next(snapshot, &t))
        count += t.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(snapshot);
    return count;
}

// The threads of this process, once those that are ending have gone: Wine may list a joined thread for
// a short while after it has ended. (A SCOPED_TRACE would start GoogleTest's own watcher thread.)
int ThreadsOfThisProcess(int expected = 0) {
    int count = ThreadCount();
    for (int i = 0; i < 100 && count != expected; ++i) {
        Sleep(10);
        count = ThreadCount();
    }
    return count;
}

// R: holds deep nesting with link loops, a wide folder, excluded folders, Unicode names and paths over
// 260 characters; E: folder links (tests/scan/fixtures.sh).
class ParallelScan : public ScanTest {
  protected:
    void SetUp() override {
        ScanTest::SetUp();
        TickOnlyDrives({"R:", "E:"});
        AddFilterRow(form->optionsPage.ListViewFilterI, "*.log", "", true);
        AddPathRow(form->optionsPage.ListViewExcludePath, "?:\\win*\\temp");
        form->optionsPage.gCheckZero.SetChecked(true);
    }

    // The reference rows, by the scan's own settings.
    std::vector<ResultRow> Expected() { return ReferenceScan(form->resultsPage.m_InitScan()); }

    size_t FirstRowIn(const std::vector<ResultRow>& rows, const std::string& location) {
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].location == location) return i;
        return rows.size();
    }

    // Every count reaches the label until the message is posted, so it lands right after that file.
    // The rows as the scan keeps them; reading all of them back through the list takes far longer.
    std::vector<ResultRow> RowsKept() const {
        std::vector<ResultRow> rows;
        const ScanRows& kept = form->resultsPage.scanRows;
        for (const ScanRow& r : kept.rows)
            rows.push_back({Narrow(r.name), Narrow(kept.Location(r)), std::to_string(r.size),
                            r.ticked ? kMarkTicked : kMarkUnticked});
        return rows;
    }

    void ScanWithTotalWatched(PostWhenCounted& post) {
        form->resultsPage.scanViewInterval = 0;
        post.viewInterval = &form->resultsPage.scanViewInterval;
        g_post = &post;
        SetWindowSubclass(form->resultsPage.LabelTotalCount.hwnd, WatchTotal, 1, 0);
        form->resultsPage.suiButtonScanClick();
        if (IsWindow(form->resultsPage.LabelTotalCount.hwnd))
            RemoveWindowSubclass(form->resultsPage.LabelTotalCount.hwnd, WatchTotal, 1);
        EXPECT_EQ(g_post, nullptr) << "the count " << post.count << " was never reached";
        g_post = nullptr;
    }
};

TEST_F(ParallelScan, RowsEqualTheSequentialWalkRowForRowEveryTime) {
    const std::vector<ResultRow> expected = Expected();
    ASSERT_GT(expected.size(), 3000u);
    EXPECT_NE(FirstRowIn(expected, "R:\\名前\\sub\\"), expected.size());
    bool longPath = false;
    for (const ResultRow& r : expected) longPath |= r.location.size() > 260;
    EXPECT_TRUE(longPath);
    for (int run = 0; run < 20; ++run) {
        form->resultsPage.suiButtonScanClick();
        ASSERT_EQ(run == 0 ? Rows() : RowsKept(), expected) << "run " << run;
        EXPECT_EQ(form->resultsPage.LabelTotalCount.Text(),
                  "Total Files: " + std::to_string(expected.size()));
        EXPECT_EQ(form->resultsPage.LabelStatus.Text(), kCompleted);
    }
}

TEST_F(ParallelScan, PauseInAWideFolderListsTheRestOfItThenWaitsUntilContinue) {
    const std::vector<ResultRow> expected = Expected();
    const size_t wide = FirstRowIn(expected, "R:\\wide\\");
    size_t afterWide = wide;
    while (afterWide < expected.size() && expected[afterWide].location == "R:\\wide\\") ++afterWide;
    ASSERT_EQ(afterWide - wide, 3000u);
    PostWhenCounted post{.target = GetParent(form->resultsPage.suiButtonPause.hwnd),
                         .message = WM_COMMAND,
                         .wParam = MAKEWPARAM(0, BN_CLICKED),
                         .lParam = LPARAM(form->resultsPage.suiButtonPause.hwnd),
                         .count = wide + 100};
    // The walk waits once the rows stop growing while paused.
    size_t rowsWhilePaused = 0, lastRows = 0;
    int listedWhilePaused = 0, steady = 0;
    UINT_PTR timer = Every(30, [&] {
        if (ScanState != Paused) return;
        const size_t rows = form->resultsPage.scanRows.rows.size();
        steady = rows == lastRows ? steady + 1 : 0;
        lastRows = rows;
        if (steady < 5) return;
        rowsWhilePaused = rows;
        listedWhilePaused = form->resultsPage.ListViewScan.Count();
        form->resultsPage.suiButtonPauseClick();
    });
    ScanWithTotalWatched(post);
    StopTimer(timer);
    EXPECT_EQ(rowsWhilePaused, afterWide);
    EXPECT_EQ(listedWhilePaused, int(afterWide)) << "a paused scan shows every row it has found";
    EXPECT_EQ(Rows(), expected);
}

TEST_F(ParallelScan, BackWhileFoldersAreReadAheadStopsAtOnceAndEndsTheReaders) {
    const std::vector<ResultRow> expected = Expected();
    // Wine's own helper threads, for the drive list among others, are started by now.
    form->resultsPage.suiButtonScanClick();
    form->resultsPage.suiButtonBackClick();
    const int threadsBefore = ThreadsOfThisProcess();
    for (size_t stopAt : {size_t(1), size_t(17), size_t(300)}) {
        PostWhenCounted post{.target = GetParent(form->resultsPage.suiButtonBack.hwnd),
                             .message = WM_COMMAND,
                             .wParam = MAKEWPARAM(0, BN_CLICKED),
                             .lParam = LPARAM(form->resultsPage.suiButtonBack.hwnd),
                             .count = stopAt};
        ScanWithTotalWatched(post);
        const std::vector<ResultRow> rows = Rows();
        ASSERT_GE(rows.size(), stopAt);
        EXPECT_LT(rows.size(), expected.size()) << "stopped at " << stopAt;
        EXPECT_EQ(rows, std::vector<ResultRow>(expected.begin(), expected.begin() + rows.size()));
        EXPECT_TRUE(form->drivePage.suiPanelClean.Visible());
        EXPECT_EQ(ScanState, Idle);
        EXPECT_EQ(ThreadsOfThisProcess(threadsBefore), threadsBefore) << "stopped at " << stopAt;
    }
}

TEST_F(ParallelScan, ClosingTheWindowWhileFoldersAreReadAheadEndsTheScanAndTheReaders) {
    form->resultsPage.suiButtonScanClick();
    const int threadsBefore = ThreadsOfThisProcess();
    PostWhenCounted post{.target = form->hwnd, .message = WM_CLOSE, .count = 40};
    ScanWithTotalWatched(post);
    EXPECT_FALSE(IsWindow(form->hwnd));
    EXPECT_EQ(ScanState, Idle);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ThreadsOfThisProcess(threadsBefore), threadsBefore);
}

// A folder removed while the walk is paused before it: it may have been read ahead already (its files
// are then listed as they were) or not (then it is empty); either way the scan is what a plain walk
// gives at one moment or the other, and it ends normally.
TEST_F(ParallelScan, AFolderThatVanishesWhileTheWalkIsPausedGivesOneOfTheTwoPlainOutcomes) {
    TickOnlyDrives({"D:"});
    for (const char* folder : {"D:\\a", "D:\\gone", "D:\\gone\\deeper", "D:\\z"}) MakeFolder(folder);
    for (const char* file :
         {"D:\\a\\a.tmp", "D:\\gone\\g1.tmp", "D:\\gone\\g2.tmp", "D:\\gone\\deeper\\d.tmp", "D:\\z\\z.tmp"})
        MakeFile(file);
    const std::vector<ResultRow> before = Expected();
    PostClick(form->resultsPage.suiButtonPause);  // runs in the first pump, before the root is listed
    int ticks = 0;
    bool removed = false;
    UINT_PTR timer = Every(30, [&] {
        if (ScanState != Paused || removed || ++ticks < 5) return;
        EmptyFolder(L"D:\\gone\\");
        RemoveDirectoryW(L"D:\\gone");
        removed = true;
        form->resultsPage.suiButtonPauseClick();
    });
    form->resultsPage.suiButtonScanClick();
    StopTimer(timer);
    ASSERT_TRUE(removed);
    const std::vector<ResultRow> after = Expected();
    EXPECT_TRUE(Rows() == before || Rows() == after) << Rows().size() << " rows";
    EXPECT_EQ(form->resultsPage.LabelStatus.Text(), kCompleted);
    form->resultsPage.suiButtonScanClick();
    EXPECT_EQ(Rows(), after);
}

}  // namespace
