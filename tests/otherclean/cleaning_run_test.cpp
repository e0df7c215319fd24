#include <algorithm>

#include "widgets/theme.h"
#include "otherclean/core/leftover_codec.h"
#include "otherclean/leftover_file.h"
#include "otherclean/other_clean_flags.h"
#include "other_clean_fixture.h"
#include "platform/dialogs.h"
#include "settings/config_file.h"
#include "widgets/busy_cursor.h"

using namespace otherclean_test;

namespace {
struct RunResult {
    std::vector<std::string> statusTexts;
    std::string finalText;
    int progressMax = -1, progressPosition = -1;
    bool closeShown = false;
};

class CleaningRun : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ResetOtherCleanAreas();
        SetDialogScript({.messageBox = [this](const MessageBoxCall& call) {
            boxes.push_back(call.text);
            return IDOK;
        }});
    }
    void TearDown() override {
        RemoveFile(ConfigPath());
        MainWindowTest::TearDown();
    }

    // Ticks the areas of flags, presses Start, answers OK and closes the dialog once Close shows.
    RunResult Run(const std::string& flags, std::function<void(TformClean&)> tune = nullptr) {
        Button* boxes[] = {&form->OCCheckBox1, &form->OCCheckBox2, &form->OCCheckBox3,
                           &form->OCCheckBox4, &form->OCCheckBox5, &form->OCCheckBox6};
        for (int i = 0; i < 6; ++i) boxes[i]->SetChecked(flags[i] == '1');
        RunResult result;
        StatusRecorder recorder;
        bool tuned = false;
        WhileModal closer([&] {
            if (!formClean) return false;
            if (!tuned && tune) tune(*formClean);
            tuned = true;
            if (!formClean->suiButton1.Visible()) return false;
            result.finalText = formClean->Label1.Text();
            result.progressMax = formClean->ProgressBarClean.Max();
            result.progressPosition = formClean->ProgressBarClean.Position();
            result.closeShown = true;
            SendMessageW(formClean->suiButton1.hwnd, BM_CLICK, 0, 0);
            return true;
        });
        form->suiButtonCleanClick();
        result.statusTexts = recorder.texts();
        return result;
    }
    std::string Temp(const std::string& name) { return TempFolder() + name; }
    std::vector<std::string> boxes;
};

const char* const kStatus[] = {
    "",
    "Now Cleaning Windows Recycle Bin...",
    "Now Cleaning Windows Temp Folder...",
    "Now Cleaning Temporary Internet Files Folder...",
    "Now Cleaning Windows History Folder...",
    "Now Cleaning Recent Documents Folder...",
    "Now Cleaning Cookies...",
};
const char* const kComplete = "Clean Complete!Please click \"Close\" to back.";
}  // namespace

TEST_F(CleaningRun, StepsRunInFixedOrderWithTheirTexts) {
    struct Case {
        const char* flags;
        std::vector<int> steps;
    } cases[] = {
        {"000001", {6}},
        {"100000", {1}},
        {"010010", {2, 5}},
        {"111111", {1, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        RunResult r = Run(c.flags);
        std::vector<std::string> expected;
        for (int step : c.steps) expected.push_back(kStatus[step]);
        expected.push_back(kComplete);
        EXPECT_EQ(r.statusTexts, expected) << c.flags;
        EXPECT_EQ(r.progressMax, int(c.steps.size()));
        EXPECT_EQ(r.progressPosition, int(c.steps.size()));
        EXPECT_TRUE(r.closeShown);
        EXPECT_EQ(OtherCleanFlags, c.flags);
        EXPECT_EQ(formClean, nullptr);  // closed and gone
    }
}

TEST_F(CleaningRun, DialogLooksAsDesigned) {
    std::string caption, firstStatus, closeCaption;
    bool closeHiddenAtStart = false;
    RECT client{};
    RunResult r = Run("000001", [&](TformClean& dialog) {
        caption = dialog.Text();
        firstStatus = dialog.Label1.Text();
        closeCaption = dialog.suiButton1.Text();
        closeHiddenAtStart = !dialog.suiButton1.Visible();
        GetClientRect(dialog.hwnd, &client);
    });
    EXPECT_EQ(caption, "正在清理……");
    EXPECT_EQ(firstStatus, "开始清理……");
    EXPECT_EQ(closeCaption, "关闭");
    EXPECT_TRUE(closeHiddenAtStart);
    EXPECT_EQ(client.right, 335);
    EXPECT_EQ(client.bottom, 121 + DialogTheme().titleBarHeight + 1);  // the design area lies below the bar
    EXPECT_EQ(r.finalText, kComplete);
}

TEST_F(CleaningRun, TempFolderKeepsAFileInUseAndRecordsIt) {
    WriteBytes(Temp("old.tmp"), 100);
    WriteBytes(Temp("desktop.ini"), 10);
    WriteBytes(Temp("sub\\desktop.ini"), 10);
    WriteBytes(Temp("sub\\deeper\\x.tmp"), 10);
    WriteBytes(Temp("held.tmp"), 300);
    HANDLE held =
        CreateFileW(Widen(Temp("held.tmp")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Run("010000");
    CloseHandle(held);
    std::vector<std::string> left = FolderNames(TempFolder());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"held.tmp", "sentinel-link"}));
    EXPECT_EQ(ReadLeftoverFile(TestExeFolder() + "Diskclean2.dat"),
              Temp("held.tmp") + "!?!" + Temp("sentinel-link") + "!?!");
    EXPECT_EQ(ReadBytes(TestExeFolder() + "Diskclean2.dat").size(), 32768u);
    EXPECT_EQ(form->OTLabel2.Text(), "0 Byte(s)");  // the page recomputed after the run
    WriteBytes(Temp("new.tmp"), 5);
    form->m_OTShow(2);
    EXPECT_EQ(form->OTLabel2.Text(), "305 Byte(s)");
}

TEST_F(CleaningRun, AFolderLinkInTheTempFolderNeverLosesItsTarget) {
    WriteBytes(Temp("a\\b\\c.tmp"), 10);
    Run("010000");
    EXPECT_TRUE(FileExists(SentinelFolder() + "keep.txt"));
    EXPECT_TRUE(FileExists(SentinelFolder() + "inner\\keep.txt"));
    EXPECT_FALSE(FileExists(Temp("a")));
    EXPECT_TRUE(FileExists(TempFolder()));
}

TEST_F(CleaningRun, DeletingATreeWithALinkInsideNeverReachesTheTarget) {
    TformClean dialog;
    dialog.FormCreate(form->hwnd);
    ASSERT_TRUE(FileExists("C:\\linktree\\holder\\inner-link\\keep.txt"));
    dialog.DelFileSH("C:\\linktree\\holder");
    dialog.SearchDelF("C:\\linktree\\", "", true);
    EXPECT_FALSE(FileExists("C:\\linktree\\holder\\x.tmp"));
    EXPECT_TRUE(FileExists(SentinelFolder() + "keep.txt"));
    EXPECT_TRUE(FileExists(SentinelFolder() + "inner\\keep.txt"));
    EXPECT_TRUE(FileExists("C:\\linktree"));
}

TEST_F(CleaningRun, EmptyTempFolderIsRecordedAsTheTerminatorAlone) {
    Run("010000");
    // Wine cannot remove a folder link as a link, so the link is all that is left and recorded.
    EXPECT_EQ(ReadLeftoverFile(TestExeFolder() + "Diskclean2.dat"), Temp("sentinel-link") + "!?!");
    WriteBytes(Temp("later.tmp"), 64);
    form->m_OTShow(2);
    EXPECT_EQ(form->OTLabel2.Text(), "64 Byte(s)");
}

TEST_F(CleaningRun, InternetFilesGoButCookiesStay) {
    std::string cache = InternetCache();
    WriteBytes(cache + "page.htm", 100);
    WriteBytes(cache + "desktop.ini", 10);
    WriteBytes(cache + "Content.Test\\img.gif", 100);
    SetCookie("http://kept.example/", "a");
    Run("001000");
    EXPECT_FALSE(FileExists(cache + "page.htm"));
    EXPECT_FALSE(FileExists(cache + "desktop.ini"));
    EXPECT_FALSE(FileExists(cache + "Content.Test"));
    EXPECT_TRUE(FileExists(cache));
    EXPECT_EQ(CookieUrls().size(), 1u);
    EXPECT_EQ(form->OTLabel3.Text(), "0 Byte(s)");
    WriteBytes(cache + "desktop.ini", 10);  // not on the list, but the area rule skips it
    form->m_OTShow(3);
    EXPECT_EQ(form->OTLabel3.Text(), "0 Byte(s)");
    RemoveFile(cache + "desktop.ini");  // names differ only in case: one file on this file system
    WriteBytes(cache + "Desktop.ini", 10);
    form->m_OTShow(3);
    EXPECT_NE(form->OTLabel3.Text(), "0 Byte(s)");
}

TEST_F(CleaningRun, HistoryIndexesLoseTheirEntriesOnly) {
    std::string day = HistoryFolder() + "History.IE5\\MSHist012024010120240102\\";
    struct Case {
        const char* name;
        size_t size;
    } cases[] = {{"small", 20479}, {"exact", 20480}, {"large", 1500000}};
    for (const Case& c : cases) {
        ClearFolder(HistoryFolder());
        WriteBytes(day + "index.dat", c.size, 'h');
        WriteBytes(day + "other.dat", 30);
        Run("000100");
        std::string bytes = ReadBytes(day + "index.dat");
        ASSERT_EQ(bytes.size(), c.size) << c.name;
        EXPECT_TRUE(bytes.substr(0, 20479) == std::string(std::min<size_t>(c.size, 20479), 'h')) << c.name;
        if (c.size > 20479) EXPECT_TRUE(bytes.substr(20479) == std::string(c.size - 20479, '\0')) << c.name;
        EXPECT_TRUE(FileExists(day + "other.dat"));
        EXPECT_EQ(form->OTLabel4.Text(), "0 Byte(s)") << c.name;
    }
}

TEST_F(CleaningRun, HistoryIndexThatCannotBeWrittenIsSkippedAndTheRunGoesOn) {
    std::string index = HistoryFolder() + "History.IE5\\MSHist012024010120240102\\index.dat";
    WriteBytes(index, 20480, 'h');
    WriteBytes(RecentFolder() + "doc.lnk", 10);
    RunResult r;
    {
        HeldForReading other(index);
        ASSERT_TRUE(other.held());
        r = Run("000110");
    }
    EXPECT_TRUE(ReadBytes(index) == std::string(20480, 'h'));
    EXPECT_EQ(r.finalText, kComplete);
    EXPECT_FALSE(FileExists(RecentFolder() + "doc.lnk"));
}

TEST_F(CleaningRun, RecentDocumentsAreEmptiedButTheFolderStays) {
    std::string recent = RecentFolder();
    WriteBytes(recent + "doc.lnk", 10);
    WriteBytes(recent + "sub\\old.lnk", 10);
    Run("000010");
    EXPECT_TRUE(FolderNames(recent).empty());
    EXPECT_TRUE(FileExists(recent));
    EXPECT_EQ(form->OTLabel5.Text(), "0 Byte(s)");
}

TEST_F(CleaningRun, KeepListSparesCookiesComparingCase) {
    SetCookie("http://kept.example/", "a");
    SetCookie("http://case.example/", "b");
    SetCookie("http://gone.example/", "c");
    ASSERT_TRUE(WriteConfigValue("Config.ini", "Drive", "Cookie", "kept.example/|)E(|CASE.example/|)E(|"));
    Run("000001");
    std::vector<std::string> left = CookieUrls();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_NE(left[0].find("@kept.example/"), std::string::npos);
    EXPECT_EQ(form->OTLabel6.Text(), "0 KB");
}

TEST_F(CleaningRun, RecycleBinIsEmptied) {
    WriteBytes("C:\\recycled.bin", 500);
    std::wstring from = L"C:\\recycled.bin";
    from += L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ASSERT_EQ(SHFileOperationW(&op), 0);
    form->m_OTShow(1);
    ASSERT_GT(form->AreaTotal[1], 0);
    Run("100000");
    EXPECT_EQ(form->OTLabel1.Text(), "0 Byte(s)");
}

TEST_F(CleaningRun, MissingShellLibraryStopsTheRunClosably) {
    WriteBytes(Temp("stays.tmp"), 10);
    RunResult r = Run("110000", [](TformClean& dialog) { dialog.shellLibrary = L"NoSuchShell32.dll"; });
    EXPECT_EQ(r.statusTexts, (std::vector<std::string>{kStatus[1], r.finalText}));
    EXPECT_EQ(r.finalText, "Failed to clean Windows Recycle Bin!Please click \"Close\" to back.");
    EXPECT_EQ(r.progressPosition, 1);
    EXPECT_EQ(r.progressMax, 2);
    EXPECT_TRUE(r.closeShown);
    EXPECT_FALSE(BusyCursor());
    EXPECT_TRUE(FileExists(Temp("stays.tmp")));  // no later step ran
    EXPECT_EQ(boxes.back(), "Failed to load Shell32.dll.");
}

TEST_F(CleaningRun, FailingHistoryStoreStopsTheRunClosably) {
    SetCookie("http://stays.example/", "a");
    RunResult r = Run("000101", [](TformClean& dialog) { dialog.historyStoreClass = GUID{}; });
    EXPECT_EQ(r.finalText, "Failed to clean Windows History Folder!Please click \"Close\" to back.");
    EXPECT_EQ(r.progressPosition, 1);
    EXPECT_EQ(CookieUrls().size(), 1u);
    EXPECT_FALSE(BusyCursor());
}

TEST_F(CleaningRun, DialogIgnoresCloseWhileRunning) {
    bool stillThere = false;
    Run("000001", [&](TformClean& dialog) {
        SendMessageW(dialog.hwnd, WM_CLOSE, 0, 0);
        stillThere = dialog.IsModal();
    });
    EXPECT_TRUE(stillThere);
}
