#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdint>
#include <cstdlib>

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
            boxes.push_back(call);
            return IDOK;
        }});
    }
    void TearDown() override {
        RemoveFile(ConfigPath());
        MainWindowTest::TearDown();
    }

    // Ticks the areas of flags, presses Start, answers OK and closes the dialog once Close shows.
    RunResult Run(const std::string& flags, std::function<void(TformClean&)> tune = nullptr) {
        Button* boxes[] = {&form->otherCleanPage.OCCheckBox1, &form->otherCleanPage.OCCheckBox2,
                           &form->otherCleanPage.OCCheckBox3, &form->otherCleanPage.OCCheckBox4,
                           &form->otherCleanPage.OCCheckBox5, &form->otherCleanPage.OCCheckBox6};
        for (int i = 0; i < 6; ++i) boxes[i]->SetChecked(flags[i] == '1');
        RunResult result;
        StatusRecorder recorder;
        bool tuned = false;
        WhileModal closer([&] {
            if (!OpenForm<TformClean>()) return false;
            if (!tuned && tune) tune(*OpenForm<TformClean>());
            tuned = true;
            if (!OpenForm<TformClean>()->suiButton1.Visible()) return false;
            result.finalText = OpenForm<TformClean>()->Label1.Text();
            result.progressMax = OpenForm<TformClean>()->ProgressBarClean.Max();
            result.progressPosition = OpenForm<TformClean>()->ProgressBarClean.Position();
            result.closeShown = true;
            SendMessageW(OpenForm<TformClean>()->suiButton1.hwnd, BM_CLICK, 0, 0);
            return true;
        });
        form->otherCleanPage.suiButtonCleanClick();
        result.statusTexts = recorder.texts();
        return result;
    }
    std::string Temp(const std::string& name) { return TempFolder() + name; }
    std::vector<MessageBoxCall> boxes;
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
        EXPECT_EQ(OpenForm<TformClean>(), nullptr);  // closed and gone
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
    EXPECT_EQ(form->otherCleanPage.OTLabel2.Text(), "0 Byte(s)");  // the page recomputed after the run
    WriteBytes(Temp("new.tmp"), 5);
    form->otherCleanPage.m_OTShow(2);
    EXPECT_EQ(form->otherCleanPage.OTLabel2.Text(), "305 Byte(s)");
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
    form->otherCleanPage.m_OTShow(2);
    EXPECT_EQ(form->otherCleanPage.OTLabel2.Text(), "64 Byte(s)");
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
    EXPECT_EQ(form->otherCleanPage.OTLabel3.Text(), "0 Byte(s)");
    WriteBytes(cache + "desktop.ini", 10);  // not on the list, but the area rule skips it
    form->otherCleanPage.m_OTShow(3);
    EXPECT_EQ(form->otherCleanPage.OTLabel3.Text(), "0 Byte(s)");
    RemoveFile(cache + "desktop.ini");  // names differ only in case: one file on this file system
    WriteBytes(cache + "Desktop.ini", 10);
    form->otherCleanPage.m_OTShow(3);
    EXPECT_NE(form->otherCleanPage.OTLabel3.Text(), "0 Byte(s)");
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
        if (c.size > 20479) {
            EXPECT_TRUE(bytes.substr(20479) == std::string(c.size - 20479, '\0')) << c.name;
        }
        EXPECT_TRUE(FileExists(day + "other.dat"));
        EXPECT_EQ(form->otherCleanPage.OTLabel4.Text(), "0 Byte(s)") << c.name;
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
    EXPECT_NE(form->otherCleanPage.OTLabel4.Text(),
              "0 Byte(s)");  // its entries are still there and still counted
}

TEST_F(CleaningRun, HistoryIndexThatCannotBeOpenedIsSkippedAndCountsAsEmpty) {
    std::string store = HistoryFolder() + "History.IE5\\";
    std::string locked = store + "MSHist012024010120240102\\index.dat";
    std::string open = store + "MSHist012024010220240103\\index.dat";
    WriteBytes(locked, 20480, 'h');
    WriteBytes(open, 20480, 'h');
    RunResult r;
    {
        HeldExclusively other(locked);
        ASSERT_TRUE(other.held());
        r = Run("000100");
        EXPECT_EQ(form->otherCleanPage.OTLabel4.Text(), "0 Byte(s)");  // the page's count after the run
    }
    EXPECT_EQ(r.finalText, kComplete);
    EXPECT_TRUE(ReadBytes(locked) == std::string(20480, 'h'));
    EXPECT_TRUE(ReadBytes(open) == std::string(20479, 'h') + '\0');
}

TEST_F(CleaningRun, RecentDocumentsAreEmptiedButTheFolderStays) {
    std::string recent = RecentFolder();
    WriteBytes(recent + "doc.lnk", 10);
    WriteBytes(recent + "sub\\old.lnk", 10);
    Run("000010");
    EXPECT_TRUE(FolderNames(recent).empty());
    EXPECT_TRUE(FileExists(recent));
    EXPECT_EQ(form->otherCleanPage.OTLabel5.Text(), "0 Byte(s)");
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
    EXPECT_EQ(form->otherCleanPage.OTLabel6.Text(), "0 KB");
}

// A keep list that cannot be read (Config.ini held open without sharing by another program) keeps every
// cookie and says so in a box owned by the cleaning dialog; without Config.ini the keep list is empty and
// every cookie goes.
TEST_F(CleaningRun, UnreadableKeepListKeepsEveryCookie) {
    const struct {
        bool configThere, held;
        size_t cookiesLeft;
    } cases[] = {{true, true, 3}, {false, false, 0}, {true, false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Config.ini there " << c.configThere << ", held " << c.held);
        boxes.clear();
        SetCookie("http://kept.example/", "a");
        SetCookie("http://b.example/", "b");
        SetCookie("http://c.example/", "c");
        RemoveFile(ConfigPath());
        if (c.configThere) {
            ASSERT_TRUE(WriteConfigValue("Config.ini", "Drive", "Cookie", "kept.example/|)E(|"));
        }
        HANDLE holder = c.held ? CreateFileW(Widen(ConfigPath()).c_str(), GENERIC_READ, 0, nullptr,
                                             OPEN_EXISTING, 0, nullptr)
                               : INVALID_HANDLE_VALUE;
        HWND dialog = nullptr;
        Run("000001", [&](TformClean& d) { dialog = d.hwnd; });
        if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
        EXPECT_EQ(CookieUrls().size(), c.cookiesLeft);
        const auto said = std::find_if(boxes.begin(), boxes.end(), [](const MessageBoxCall& box) {
            return box.text ==
                   "The cookie keep list could not be read from Config.ini, so no cookie was deleted.";
        });
        EXPECT_EQ(said != boxes.end(), c.held);
        if (said != boxes.end()) {
            EXPECT_EQ(said->owner, dialog);
        }
        ClearCookies();
    }
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
    form->otherCleanPage.m_OTShow(1);
    ASSERT_GT(form->otherCleanPage.AreaTotal[1], 0);
    Run("100000");
    EXPECT_EQ(form->otherCleanPage.OTLabel1.Text(), "0 Byte(s)");
}

TEST_F(CleaningRun, MissingShellLibraryStopsTheRunClosably) {
    WriteBytes(Temp("stays.tmp"), 10);
    HWND dialogWindow = nullptr;
    RunResult r = Run("110000", [&](TformClean& dialog) {
        dialog.shellLibrary = L"NoSuchShell32.dll";
        dialogWindow = dialog.hwnd;
    });
    EXPECT_EQ(r.statusTexts, (std::vector<std::string>{kStatus[1], r.finalText}));
    EXPECT_EQ(r.finalText, "Failed to clean Windows Recycle Bin!Please click \"Close\" to back.");
    EXPECT_EQ(r.progressPosition, 1);
    EXPECT_EQ(r.progressMax, 2);
    EXPECT_TRUE(r.closeShown);
    EXPECT_FALSE(BusyCursor());
    EXPECT_TRUE(FileExists(Temp("stays.tmp")));  // no later step ran
    ASSERT_EQ(boxes.size(), 2u);                 // the confirmation, then the one error
    EXPECT_EQ(boxes[1].text, "Failed to load Shell32.dll.");
    EXPECT_EQ(boxes[1].owner, dialogWindow);
    EXPECT_EQ(boxes[1].flags, UINT(MB_ICONERROR | MB_OK));
}

namespace {
// What the user is told about a class that cannot be created: the system's text for the error, or
// its number where the system has no text for it (Wine has none for a missing class).
std::string SystemTextForMissingClass() {
    IUnknown* object = nullptr;
    const HRESULT error = CoCreateInstance(GUID{}, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                           reinterpret_cast<void**>(&object));
    if (object) object->Release();
    wchar_t text[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, DWORD(error), 0, text,
                   512, nullptr);
    std::string found = Narrow(text);
    while (!found.empty() && isspace(static_cast<unsigned char>(found.back()))) found.pop_back();
    if (found.empty()) {
        char number[32];
        snprintf(number, sizeof(number), "Error 0x%08lX.", static_cast<unsigned long>(error));
        found = number;
    }
    return found;
}
}  // namespace

TEST_F(CleaningRun, FailingHistoryStoreIsReportedAndStopsTheRunClosably) {
    SetCookie("http://stays.example/", "a");
    HWND dialogWindow = nullptr;
    RunResult r = Run("000101", [&](TformClean& dialog) {
        dialog.historyStoreClass = GUID{};
        dialogWindow = dialog.hwnd;
    });
    EXPECT_EQ(r.statusTexts, (std::vector<std::string>{kStatus[4], r.finalText}));
    EXPECT_EQ(r.finalText, "Failed to clean Windows History Folder!Please click \"Close\" to back.");
    EXPECT_EQ(r.progressPosition, 1);
    EXPECT_TRUE(r.closeShown);
    EXPECT_EQ(CookieUrls().size(), 1u);  // no later step ran
    EXPECT_FALSE(BusyCursor());

    const std::string systemText = SystemTextForMissingClass();
    ASSERT_EQ(boxes.size(), 2u);  // the confirmation, then the error
    EXPECT_EQ(boxes[1].text, "Failed to clean Windows History Folder.\n\n" + systemText);
    EXPECT_EQ(boxes[1].caption, "Kestrune Disk Cleaner");
    EXPECT_EQ(boxes[1].flags, UINT(MB_ICONERROR | MB_OK));
    EXPECT_EQ(boxes[1].owner, dialogWindow);
}

TEST_F(CleaningRun, ARunThatGoesThroughShowsNoMessage) {
    WriteBytes(HistoryFolder() + "History.IE5\\MSHist012024010120240102\\index.dat", 20480, 'h');
    RunResult r = Run("000101");
    EXPECT_EQ(r.finalText, kComplete);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Delete all selected items?");
}

TEST_F(CleaningRun, DialogIgnoresCloseWhileRunning) {
    bool stillThere = false;
    Run("000001", [&](TformClean& dialog) {
        SendMessageW(dialog.hwnd, WM_CLOSE, 0, 0);
        stillThere = dialog.IsModal();
    });
    EXPECT_TRUE(stillThere);
}

namespace {
// The progress bar as it paints itself, one BGRA pixel per entry, rows top to bottom.
struct BarPicture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

BarPicture PaintBar(ProgressBar& bar) {
    BarPicture picture;
    RECT client;
    GetClientRect(bar.hwnd, &client);
    picture.width = client.right;
    picture.height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(bar.hwnd, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
    GdiFlush();
    const auto* first = static_cast<const uint32_t*>(bits);
    picture.pixels.assign(first, first + size_t(picture.width) * picture.height);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return picture;
}

int Lightness(uint32_t bgra) {
    return (299 * int(bgra >> 16 & 0xFF) + 587 * int(bgra >> 8 & 0xFF) + 114 * int(bgra & 0xFF)) / 1000;
}
}  // namespace

// Wherever the fill edge falls, the whole caption must stand out from what lies under each part of
// it: a caption pixel is one whose lightness is far from the bar's own pixel at that place, and the
// caption found that way must be the whole centred text, not a part of it.
TEST_F(CleaningRun, ProgressCaptionStaysReadableWhereverTheFillEnds) {
    struct Case {
        int max, position;
        const char* caption;
        bool edgeUnderCaption;
    } cases[] = {
        {1, 0, "0%", false},     {3, 1, "33%", false}, {100, 47, "47%", false}, {2, 1, "50%", true},
        {100, 53, "53%", false}, {3, 2, "66%", false}, {1, 1, "100%", false},
    };
    TformClean dialog;
    dialog.FormCreate(form->hwnd);
    for (const Case& c : cases) {
        dialog.ProgressBarClean.SetMax(c.max);
        dialog.ProgressBarClean.SetPosition(c.position);
        const BarPicture bar = PaintBar(dialog.ProgressBarClean);
        ASSERT_GT(bar.width, 40);
        // Row 1 lies above the caption: it shows where the fill ends. Column 1 of a filled bar holds
        // the fill's colour for every row.
        auto filled = [&](int x) { return (bar.at(x, 1) & 0xFFFFFF) != 0xFFFFFF; };
        int inkLeft = bar.width, inkRight = -1, inkOverFill = 0, inkOverWhite = 0;
        for (int y = 2; y < bar.height - 2; ++y) {
            for (int x = 1; x < bar.width - 1; ++x) {
                const int under = filled(x) ? Lightness(bar.at(1, y)) : Lightness(0xFFFFFF);
                if (std::abs(Lightness(bar.at(x, y)) - under) < 110) continue;
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
                ++(filled(x) ? inkOverFill : inkOverWhite);
            }
        }
        ASSERT_LE(inkLeft, inkRight) << c.caption << ": no readable caption";
        const int marginLeft = inkLeft - 1, marginRight = bar.width - 2 - inkRight;
        EXPECT_LE(std::abs(marginLeft - marginRight), 3)
            << c.caption << ": only part of the caption stands out, columns " << inkLeft << " to "
            << inkRight;
        if (c.edgeUnderCaption) {
            EXPECT_GT(inkOverFill, 0) << "the part over the fill";
            EXPECT_GT(inkOverWhite, 0) << "the part over the white";
        }
    }
}
