#include <algorithm>

#include "otherclean/area_shell.h"
#include "otherclean/leftover_file.h"
#include "otherclean/other_clean_flags.h"
#include "other_clean_fixture.h"
#include "platform/dialogs.h"
#include "settings/config_file.h"

using namespace otherclean_test;

namespace {
class AreaSizes : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ResetOtherCleanAreas();
    }
    void TearDown() override {
        SetAreaShell({});
        RemoveFile(ConfigPath());
        MainWindowTest::TearDown();
    }
    std::string Size(int area) {
        form->otherCleanPage.m_OTShow(area);
        Label* labels[] = {nullptr,
                           &form->otherCleanPage.OTLabel1,
                           &form->otherCleanPage.OTLabel2,
                           &form->otherCleanPage.OTLabel3,
                           &form->otherCleanPage.OTLabel4,
                           &form->otherCleanPage.OTLabel5,
                           &form->otherCleanPage.OTLabel6};
        return labels[area]->Text();
    }
    std::string Temp(const std::string& name) { return TempFolder() + name; }
    std::string HistoryDay(const std::string& day) { return HistoryFolder() + "History.IE5\\" + day + "\\"; }
};
}  // namespace

TEST_F(AreaSizes, PageShowsSixRowsInScreenOrderAllUnticked) {
    struct Row {
        Button& check;
        Button& open;
        Label& size;
        const char* caption;
        bool openEnabled;
    } rows[] = {
        {form->otherCleanPage.OCCheckBox1, form->otherCleanPage.OTBtn1, form->otherCleanPage.OTLabel1,
         "   清理 Windows 回收站", true},
        {form->otherCleanPage.OCCheckBox4, form->otherCleanPage.OTBtn4, form->otherCleanPage.OTLabel4,
         "   清理 Windows 历史文件夹", true},
        {form->otherCleanPage.OCCheckBox5, form->otherCleanPage.OTBtn5, form->otherCleanPage.OTLabel5,
         "   清理最近使用的文档历史记录", true},
        {form->otherCleanPage.OCCheckBox6, form->otherCleanPage.OTBtn6, form->otherCleanPage.OTLabel6,
         "   清理 Cookies", true},
        {form->otherCleanPage.OCCheckBox2, form->otherCleanPage.OTBtn2, form->otherCleanPage.OTLabel2,
         "   清理 Windows 临时文件夹", false},
        {form->otherCleanPage.OCCheckBox3, form->otherCleanPage.OTBtn3, form->otherCleanPage.OTLabel3,
         "   清理 IE 临时文件夹", false},
    };
    int lastTop = -1;
    for (Row& row : rows) {
        EXPECT_EQ(row.check.Text(), row.caption);
        EXPECT_FALSE(row.check.Checked());
        EXPECT_EQ(SendMessageW(row.check.hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(row.open.Enabled(), row.openEnabled) << row.caption;
        EXPECT_EQ(row.size.Text(), "0 MB");
        EXPECT_GT(row.check.Bounds().top, lastTop);
        lastTop = row.check.Bounds().top;
    }
    EXPECT_EQ(form->otherCleanPage.otherCleanFrame.style.caption, "其他清理");
    EXPECT_EQ(form->otherCleanPage.suiButtonClean.Text(), "开始清理");
    RECT icon = form->otherCleanPage.otherHintIcon.Bounds();
    EXPECT_EQ(icon.right - icon.left, 16);
    EXPECT_EQ(icon.bottom - icon.top, 16);
    SendMessageW(form->otherCleanPage.otherHintIcon.hwnd, BM_CLICK, 0, 0);  // does nothing
    EXPECT_EQ(CurrentPage, 1);
}

TEST_F(AreaSizes, SizeTextsFollowTheAreaRules) {
    struct Case {
        int area;
        size_t bytes;
        const char* text;
    } cases[] = {
        {2, 0, "0 Byte(s)"},        {2, 1023, "1023 Byte(s)"}, {2, 1024, "1.00 KB"}, {2, 1025, "1.00 KB"},
        {2, 1048575, "1024.00 KB"}, {2, 1048576, "1.00 MB"},   {5, 1024, "1.00 KB"}, {5, 1048576, "1.00 MB"},
    };
    for (const Case& c : cases) {
        std::string folder = c.area == 2 ? TempFolder() : RecentFolder();
        ClearFolder(folder);
        if (c.bytes) WriteBytes(folder + "sized.bin", c.bytes);
        EXPECT_EQ(Size(c.area), c.text) << c.area << " " << c.bytes;
    }
}

TEST_F(AreaSizes, EnteringThePageComputesEverySize) {
    WriteBytes(Temp("a.tmp"), 300);
    WriteBytes(RecentFolder() + "doc.lnk", 200);
    SetCookie("http://one.example/", "a");
    form->LeftMenu3Click();
    EXPECT_EQ(form->otherCleanPage.OTLabel2.Text(), "300 Byte(s)");
    EXPECT_EQ(form->otherCleanPage.OTLabel5.Text(), "200 Byte(s)");
    EXPECT_EQ(form->otherCleanPage.OTLabel6.Text(), "4 KB");
    EXPECT_EQ(form->otherCleanPage.OTLabel4.Text(), "0 Byte(s)");
    EXPECT_FALSE(form->otherCleanPage.suiPanelWait.Visible());

    WriteBytes(Temp("b.tmp"), 100);
    form->LeftMenu3Click();  // the page already shown: nothing is computed again
    EXPECT_EQ(form->otherCleanPage.OTLabel2.Text(), "300 Byte(s)");
    form->LeftMenu1Click();
    form->LeftMenu3Click();  // every entry computes again
    EXPECT_EQ(form->otherCleanPage.OTLabel2.Text(), "400 Byte(s)");
}

TEST_F(AreaSizes, TempWalkCountsSubfoldersAndHiddenFilesButNeverEntersALink) {
    WriteBytes(Temp("deep\\deeper\\a.bin"), 100);
    WriteBytes(Temp("hidden.bin"), 20);
    SetFileAttributesW(Widen(Temp("hidden.bin")).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    WriteBytes(Temp("ro.bin"), 3);
    SetFileAttributesW(Widen(Temp("ro.bin")).c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(FileExists(Temp("sentinel-link\\keep.txt")));  // the link's target holds files
    EXPECT_EQ(Size(2), "123 Byte(s)");
    SetFileAttributesW(Widen(Temp("ro.bin")).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(AreaSizes, TempHoldingOnlyLeftoversShowsEmptyUntilAnotherFileAppears) {
    WriteBytes(Temp("held.tmp"), 500);
    WriteBytes(Temp("sub\\held2.tmp"), 50);
    std::string list = TempFolder() + "held.tmp!?!" + TempFolder() + "sentinel-link!?!" + TempFolder() +
                       "sub\\held2.tmp!?!@?@!@";
    WriteLeftoverFile(TestExeFolder() + "Diskclean2.dat", list);
    EXPECT_EQ(Size(2), "0 Byte(s)");
    WriteBytes(Temp("new.tmp"), 10);
    EXPECT_EQ(Size(2), "560 Byte(s)");
    RemoveFile(TestExeFolder() + "Diskclean2.dat");  // first use: the real size
    RemoveFile(Temp("new.tmp"));
    EXPECT_EQ(Size(2), "550 Byte(s)");
}

TEST_F(AreaSizes, LeftoverNamesCompareCaseSensitively) {
    WriteBytes(Temp("Held.tmp"), 7);
    WriteLeftoverFile(TestExeFolder() + "Diskclean2.dat",
                      TempFolder() + "held.tmp!?!" + TempFolder() + "sentinel-link!?!@?@!@");
    EXPECT_EQ(Size(2), "7 Byte(s)");
}

TEST_F(AreaSizes, LeftoverFileThatCannotBeWrittenIsStillRead) {
    WriteBytes(Temp("held.tmp"), 9);
    std::string file = TestExeFolder() + "Diskclean2.dat";
    WriteLeftoverFile(file, TempFolder() + "held.tmp!?!" + TempFolder() + "sentinel-link!?!@?@!@");
    HeldForReading other(file);
    ASSERT_TRUE(other.held());
    EXPECT_EQ(Size(2), "0 Byte(s)");
}

TEST_F(AreaSizes, BrokenLeftoverFilesGiveTheRealSize) {
    WriteBytes(Temp("held.tmp"), 9);
    std::string file = TestExeFolder() + "Diskclean2.dat";
    for (size_t size : {size_t(32769), size_t(100)}) {
        WriteBytes(file, size, '*');  // too long, or without a terminator
        EXPECT_EQ(Size(2), "9 Byte(s)") << size;
    }
}

TEST_F(AreaSizes, HistoryCountsOnlyWhenAnIndexHasEntriesPastItsHeader) {
    struct Case {
        size_t indexSize;
        long nonZeroAt;  // -1: all zero
        const char* day;
        bool counted;
    } cases[] = {
        {20479, 20478, "MSHist012024010120240102", false},
        {20480, -1, "MSHist012024010120240102", false},
        {20480, 20479, "MSHist012024010120240102", true},
        {20480, 20479, "mshist012024010120240102", false},     // the folder rule is case-sensitive
        {1500000, 1200000, "MSHist012024010120240102", true},  // far beyond the first megabyte
    };
    for (const Case& c : cases) {
        ClearFolder(HistoryFolder());
        std::string index = HistoryDay(c.day) + "index.dat";
        WriteBytes(index, c.indexSize, '\0');
        if (c.nonZeroAt >= 0) {
            std::string bytes = ReadBytes(index);
            bytes[c.nonZeroAt] = 'x';
            HANDLE h =
                CreateFileW(Widen(index).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr);
            CloseHandle(h);
        }
        WriteBytes(HistoryFolder() + "History.IE5\\other.dat", 100);
        form->otherCleanPage.m_OTShow(4);
        EXPECT_EQ(form->otherCleanPage.AreaTotal[4], c.counted ? TreeBytes(HistoryFolder()) : 0)
            << c.indexSize << " " << c.day;
        EXPECT_GE(TreeBytes(HistoryFolder()), int64_t(c.indexSize + 100));
    }
}

TEST_F(AreaSizes, HistoryIndexThatCannotBeWrittenIsStillLookedInto) {
    std::string index = HistoryDay("MSHist012024010120240102") + "index.dat";
    WriteBytes(index, 20480, '\0');
    HeldForReading other(index);
    ASSERT_TRUE(other.held());
    EXPECT_EQ(Size(4), "0 Byte(s)");
    WriteBytes(HistoryDay("MSHist012024010220240103") + "index.dat", 20480, 'x');
    EXPECT_NE(Size(4), "0 Byte(s)");
}

TEST_F(AreaSizes, HistoryIndexThatCannotBeOpenedCountsAsEmpty) {
    // An index with entries that nobody else may open: the cleaning run cannot wipe it either.
    std::string locked = HistoryDay("MSHist012024010120240102") + "index.dat";
    WriteBytes(locked, 107000, 'x');
    WriteBytes(HistoryDay("MSHist012024010220240103") + "index.dat", 20480, '\0');
    HeldExclusively other(locked);
    ASSERT_TRUE(other.held());
    EXPECT_EQ(Size(4), "0 Byte(s)");
    // A readable index with entries still makes the whole tree count, the locked one included.
    WriteBytes(HistoryDay("MSHist012024010320240104") + "index.dat", 20480, 'x');
    form->otherCleanPage.m_OTShow(4);
    EXPECT_EQ(form->otherCleanPage.AreaTotal[4], TreeBytes(HistoryFolder()));
    EXPECT_GE(form->otherCleanPage.AreaTotal[4], 107000 + 2 * 20480);
}

TEST_F(AreaSizes, RecentSizeAfterASecondCountShowsTheSingleAmount) {
    WriteBytes(RecentFolder() + "doc.lnk", 200);
    // Entering the page again computes every size again; each count starts from zero.
    form->LeftMenu3Click();
    EXPECT_EQ(form->otherCleanPage.OTLabel5.Text(), "200 Byte(s)");
    form->LeftMenu1Click();
    form->LeftMenu3Click();
    EXPECT_EQ(form->otherCleanPage.OTLabel5.Text(), "200 Byte(s)");
    EXPECT_EQ(form->otherCleanPage.AreaTotal[5], 200);
}

TEST_F(AreaSizes, CookiesOnTheKeepListAreNotCountedComparingCase) {
    SetCookie("http://kept.example/", "a");
    SetCookie("http://other.example/", "b");
    SetCookie("http://case.example/", "c");
    EXPECT_EQ(Size(6), "12 KB");
    ASSERT_TRUE(WriteConfigValue("Config.ini", "Drive", "Cookie", "kept.example/|)E(|CASE.example/|)E(|"));
    EXPECT_EQ(Size(6), "8 KB");
    ClearCookies();
    EXPECT_EQ(Size(6), "0 KB");
}

TEST_F(AreaSizes, RecycleBinCountsFilesMovedThere) {
    EXPECT_EQ(Size(1), "0 Byte(s)");
    std::string file = "C:\\recycled.bin";
    WriteBytes(file, 2000);
    std::wstring from = Widen(file) + L'\0';
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ASSERT_EQ(SHFileOperationW(&op), 0);
    ASSERT_FALSE(FileExists(file));
    // Wine keeps one trash for every drive and reports it for each fixed drive it is asked about.
    int fixedDrives = 0;
    for (wchar_t root[] = L"A:\\"; root[0] <= L'Z'; ++root[0])
        fixedDrives += GetDriveTypeW(root) == DRIVE_FIXED;
    form->otherCleanPage.m_OTShow(1);
    EXPECT_EQ(form->otherCleanPage.AreaTotal[1], 2000 * fixedDrives);
    SHEmptyRecycleBinW(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    EXPECT_EQ(Size(1), "0 Byte(s)");
}

TEST_F(AreaSizes, OpenButtonsGoToTheShellAndRefreshTheirArea) {
    std::vector<std::string> opened;
    SetAreaShell({.openSpecialFolder = [&](int csidl) { opened.push_back("csidl " + std::to_string(csidl)); },
                  .openFolder = [&](const std::string& folder) { opened.push_back(folder); }});
    WriteBytes(RecentFolder() + "doc.lnk", 42);
    SendMessageW(form->otherCleanPage.OTBtn5.hwnd, BM_CLICK, 0, 0);
    EXPECT_EQ(form->otherCleanPage.OTLabel5.Text(), "42 Byte(s)");
    form->otherCleanPage.OTBtn4Click();
    EXPECT_EQ(form->otherCleanPage.OTLabel4.Text(), "0 Byte(s)");
    form->otherCleanPage.OTBtn1Click();
    EXPECT_EQ(form->otherCleanPage.OTLabel1.Text(), "0 Byte(s)");
    std::string recent = RecentFolder(), history = HistoryFolder();
    EXPECT_EQ(opened, (std::vector<std::string>{recent.substr(0, recent.size() - 1),
                                                history.substr(0, history.size() - 1), "csidl 10"}));
    EXPECT_EQ(form->otherCleanPage.OTLabel2.Text(), "0 MB");  // only the clicked area is refreshed
}

TEST_F(AreaSizes, StartButtonWantsATickAndAConfirmation) {
    std::vector<MessageBoxCall> boxes;
    int answer = IDCANCEL;
    SetDialogScript({.messageBox = [&](const MessageBoxCall& call) {
        boxes.push_back(call);
        return answer;
    }});
    bool dialogShown = false;
    WhileModal guard([&] {
        if (!OpenForm<TformClean>()) return false;
        dialogShown = true;
        OpenForm<TformClean>()->CloseModal(0);
        return true;
    });
    form->otherCleanPage.suiButtonCleanClick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please select first!");
    EXPECT_EQ(boxes[0].caption, "Kestrune Disk Cleaner");
    EXPECT_EQ(boxes[0].flags, UINT(MB_ICONWARNING | MB_OK));
    EXPECT_EQ(OtherCleanFlags, "000000");

    SendMessageW(form->otherCleanPage.OCCheckBox5.hwnd, BM_CLICK, 0, 0);
    SendMessageW(form->otherCleanPage.OCCheckBox2.hwnd, BM_CLICK, 0, 0);
    form->otherCleanPage.suiButtonCleanClick();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "Delete all selected items?");
    EXPECT_EQ(boxes[1].flags, UINT(MB_ICONINFORMATION | MB_OKCANCEL));
    EXPECT_EQ(OtherCleanFlags, "010010");
    EXPECT_FALSE(dialogShown);
}
