#include "widgets/theme.h"
#include "other_clean_fixture.h"
#include "platform/dialogs.h"
#include "settings/config_file.h"

using namespace otherclean_test;

namespace {
const std::string kNameCaption = "Cookies 名称";
const std::string kUp = "↑", kDown = "↓";
const std::string kWriteFailed = "写文件失败！请重新保存！";

class CookieDialog : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ClearCookies();
        RemoveFile(ConfigPath());
        SetDialogScript({.messageBox = [this](const MessageBoxCall& call) {
            boxes.push_back(call.text);
            return IDOK;
        }});
    }
    void TearDown() override {
        SetFileAttributesW(Widen(ConfigPath()).c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveFile(ConfigPath());
        MainWindowTest::TearDown();
    }
    std::vector<std::string> Names(TformCookie& d) {
        std::vector<std::string> names;
        for (int row = 0; row < d.ListViewCookieF.Count(); ++row)
            names.push_back(d.ListViewCookieF.Cell(row, 1));
        return names;
    }
    std::vector<int> Marks(TformCookie& d) {
        std::vector<int> marks;
        for (int row = 0; row < d.ListViewCookieF.Count(); ++row)
            marks.push_back(d.ListViewCookieF.Mark(row));
        return marks;
    }
    // A point on the row's tick box, found by the list's own hit test.
    POINT TickPoint(TformCookie& d, int row) {
        RECT r{};
        ListView_GetItemRect(d.ListViewCookieF.hwnd, row, &r, LVIR_BOUNDS);
        for (int x = r.left; x < r.left + 27; ++x) {
            bool onStateIcon = false;
            if (d.ListViewCookieF.HitTest(x, r.top + 4, &onStateIcon) == row && onStateIcon)
                return {x, r.top + 4};
        }
        ADD_FAILURE() << "no tick box in row " << row;
        return {0, 0};
    }
    std::string StoredKeepList() { return ReadConfigValue("Config.ini", "Drive", "Cookie"); }
    std::vector<std::string> boxes;
};
}  // namespace

TEST_F(CookieDialog, ListsTheCacheCookiesWithTheKeepListTicked) {
    SetCookie("http://alpha.example/", "a");
    SetCookie("http://Beta.example/", "b");
    SetCookie("http://gamma.example/", "c");
    ASSERT_TRUE(WriteConfigValue("Config.ini", "Drive", "Cookie", "Beta.example/|)E(|ALPHA.example/|)E(|"));
    TformCookie d;
    d.FormCreate(form->hwnd);
    std::vector<std::string> names = Names(d);
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{"Beta.example/", "alpha.example/", "gamma.example/"}));
    for (int row = 0; row < d.ListViewCookieF.Count(); ++row) {
        EXPECT_EQ(d.ListViewCookieF.Mark(row), names[row] == "Beta.example/" ? kMarkTicked : kMarkUnticked);
        EXPECT_EQ(d.ListViewCookieF.Cell(row, 0), "");
    }
    EXPECT_EQ(d.Text(), "Cookies 管理");
    RECT client;
    GetClientRect(d.hwnd, &client);
    EXPECT_EQ(client.right, 470);
    EXPECT_EQ(client.bottom, 368 + DialogTheme().titleBarHeight + 1);  // the design area lies below the bar
    EXPECT_EQ(ListView_GetColumnWidth(d.ListViewCookieF.hwnd, 0), 27);
    EXPECT_EQ(ListView_GetColumnWidth(d.ListViewCookieF.hwnd, 1), 300);
    EXPECT_EQ(d.ListViewCookieF.ColumnCaption(1), kNameCaption);
    EXPECT_TRUE(d.CCheckBoxAll.Checked());
    EXPECT_FALSE(d.CCheckBoxAllN.Checked());
    EXPECT_EQ(d.suiButtonSave.Text(), "保存");
    EXPECT_EQ(d.suiButton1.Text(), "取消");
}

TEST_F(CookieDialog, TickBoxTogglesWithAnyButtonOnlyOnTheBox) {
    TformCookie d;
    d.FormCreate(form->hwnd);
    d.m_ListViewAdd4(d.ListViewCookieF, "one.example/", kMarkUnticked);
    d.m_ListViewAdd4(d.ListViewCookieF, "two.example/", kMarkTicked);
    POINT p = TickPoint(d, 0);
    for (MouseButton b : {kLeftButton, kRightButton, kMiddleButton}) {
        int before = d.ListViewCookieF.Mark(0);
        d.ListViewCookieFMouseDown(b, p.x, p.y);
        EXPECT_EQ(d.ListViewCookieF.Mark(0), before == kMarkUnticked ? kMarkTicked : kMarkUnticked);
    }
    RECT r{};
    ListView_GetItemRect(d.ListViewCookieF.hwnd, 1, &r, LVIR_BOUNDS);
    d.ListViewCookieFMouseDown(kLeftButton, 120, r.top + 4);  // on the name: no change
    EXPECT_EQ(d.ListViewCookieF.Mark(1), kMarkTicked);
    d.ListViewCookieF.SetMark(1, kMarkFolder);  // any other state unticks
    POINT q = TickPoint(d, 1);
    d.ListViewCookieFMouseDown(kLeftButton, q.x, q.y);
    EXPECT_EQ(d.ListViewCookieF.Mark(1), kMarkUnticked);
}

TEST_F(CookieDialog, ColumnClicksSortWithOneArrow) {
    TformCookie d;
    d.FormCreate(form->hwnd);
    d.m_ListViewAdd4(d.ListViewCookieF, "b.example/", kMarkTicked);
    d.m_ListViewAdd4(d.ListViewCookieF, "C.example/", kMarkUnticked);
    d.m_ListViewAdd4(d.ListViewCookieF, "a.example/", kMarkUnticked);
    d.ListViewCookieFColumnClick(1);
    EXPECT_EQ(d.ListViewCookieF.ColumnCaption(1), kUp + kNameCaption);
    EXPECT_EQ(Names(d), (std::vector<std::string>{"a.example/", "b.example/", "C.example/"}));
    d.ListViewCookieFColumnClick(1);
    EXPECT_EQ(d.ListViewCookieF.ColumnCaption(1), kDown + kNameCaption);
    EXPECT_EQ(Names(d), (std::vector<std::string>{"C.example/", "b.example/", "a.example/"}));
    d.ListViewCookieFColumnClick(0);
    EXPECT_EQ(d.ListViewCookieF.ColumnCaption(1), kNameCaption);
    EXPECT_EQ(d.ListViewCookieF.ColumnCaption(0), kUp);
    EXPECT_EQ(Marks(d), (std::vector<int>{kMarkUnticked, kMarkUnticked, kMarkTicked}));
    d.ListViewCookieFColumnClick(0);
    EXPECT_EQ(d.ListViewCookieF.ColumnCaption(0), kDown);
    EXPECT_EQ(Marks(d).front(), kMarkTicked);
    d.ListViewCookieFColumnClick(1);  // resumes its descending order
    EXPECT_EQ(d.ListViewCookieF.ColumnCaption(1), kDown + kNameCaption);
    EXPECT_EQ(Names(d).front(), "C.example/");
}

TEST_F(CookieDialog, SortingManyRowsKeepsEveryRowWithItsTick) {
    TformCookie d;
    d.FormCreate(form->hwnd);
    const char* names[] = {"news/", "mail/", "bank/", "Video/", "shop/", "apple/", "Zoo/", "kite/", "desk/"};
    for (const char* name : names)
        d.m_ListViewAdd4(d.ListViewCookieF, name, name[0] < 'a' ? kMarkTicked : kMarkUnticked);
    d.ListViewCookieFColumnClick(1);
    EXPECT_EQ(Names(d), (std::vector<std::string>{"apple/", "bank/", "desk/", "kite/", "mail/", "news/",
                                                  "shop/", "Video/", "Zoo/"}));
    for (int row = 0; row < d.ListViewCookieF.Count(); ++row)
        EXPECT_EQ(d.ListViewCookieF.Mark(row), Names(d)[row][0] < 'a' ? kMarkTicked : kMarkUnticked);
    d.ListViewCookieFColumnClick(0);
    d.ListViewCookieFColumnClick(0);
    EXPECT_EQ(Marks(d), (std::vector<int>{2, 2, 1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(CookieDialog, AllAndNoneActAsButtons) {
    TformCookie d;
    d.FormCreate(form->hwnd);
    for (const char* name : {"a/", "b/", "c/"}) d.m_ListViewAdd4(d.ListViewCookieF, name, kMarkUnticked);
    SendMessageW(d.CCheckBoxAll.hwnd, BM_CLICK, 0, 0);
    EXPECT_TRUE(d.CCheckBoxAll.Checked());
    EXPECT_EQ(Marks(d), (std::vector<int>(3, kMarkTicked)));
    SendMessageW(d.CCheckBoxAll.hwnd, BM_CLICK, 0, 0);
    EXPECT_TRUE(d.CCheckBoxAll.Checked());
    SendMessageW(d.CCheckBoxAllN.hwnd, BM_CLICK, 0, 0);
    EXPECT_FALSE(d.CCheckBoxAllN.Checked());
    EXPECT_EQ(Marks(d), (std::vector<int>(3, kMarkUnticked)));
    d.ListViewCookieF.SetMark(1, kMarkTicked);
    d.CCheckBoxAllNDblClick();
    EXPECT_EQ(Marks(d), (std::vector<int>(3, kMarkUnticked)));
    EXPECT_FALSE(d.CCheckBoxAllN.Checked());
}

TEST_F(CookieDialog, SaveStoresTickedNamesInListOrderAndCloses) {
    SetCookie("http://alpha.example/", "a");
    SetCookie("http://beta.example/", "b");
    SetCookie("http://gamma.example/", "c");
    ASSERT_TRUE(WriteConfigValue("Config.ini", "Drive", "General", "101010"));
    ASSERT_TRUE(WriteConfigValue("Config.ini", "Drive", "Cookie", "gone.example/|)E(|"));
    std::string expected;
    WhileModal script([&] {
        if (!OpenForm<TformCookie>()) return false;
        TformCookie& d = *OpenForm<TformCookie>();
        d.ListViewCookieFColumnClick(1);
        d.ListViewCookieFColumnClick(1);  // gamma, beta, alpha
        POINT p0 = TickPoint(d, 0), p2 = TickPoint(d, 2);
        d.ListViewCookieFMouseDown(kLeftButton, p0.x, p0.y);
        d.ListViewCookieFMouseDown(kLeftButton, p2.x, p2.y);
        SendMessageW(d.suiButtonSave.hwnd, BM_CLICK, 0, 0);
        return true;
    });
    form->otherCleanPage.OTBtn6Click();
    EXPECT_EQ(OpenForm<TformCookie>(), nullptr);
    EXPECT_EQ(StoredKeepList(), "gamma.example/|)E(|alpha.example/|)E(|");
    EXPECT_EQ(ReadConfigValue("Config.ini", "Drive", "General"), "101010");
    EXPECT_EQ(form->otherCleanPage.OTLabel6.Text(), "4 KB");  // refreshed after the dialog closed
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CookieDialog, CancelStoresNothing) {
    SetCookie("http://alpha.example/", "a");
    WhileModal script([&] {
        if (!OpenForm<TformCookie>()) return false;
        SendMessageW(OpenForm<TformCookie>()->CCheckBoxAll.hwnd, BM_CLICK, 0, 0);
        SendMessageW(OpenForm<TformCookie>()->suiButton1.hwnd, BM_CLICK, 0, 0);
        return true;
    });
    form->otherCleanPage.OTBtn6Click();
    EXPECT_FALSE(FileExists(ConfigPath()));
    EXPECT_EQ(form->otherCleanPage.OTLabel6.Text(), "4 KB");
}

TEST_F(CookieDialog, FailedSaveSaysSoAndStaysOpen) {
    SetCookie("http://alpha.example/", "a");
    ASSERT_TRUE(WriteConfigValue("Config.ini", "Drive", "Cookie", ""));
    SetFileAttributesW(Widen(ConfigPath()).c_str(), FILE_ATTRIBUTE_READONLY);
    bool stayedOpen = false;
    WhileModal script([&] {
        if (!OpenForm<TformCookie>()) return false;
        SendMessageW(OpenForm<TformCookie>()->CCheckBoxAll.hwnd, BM_CLICK, 0, 0);
        SendMessageW(OpenForm<TformCookie>()->suiButtonSave.hwnd, BM_CLICK, 0, 0);
        stayedOpen = OpenForm<TformCookie>() && OpenForm<TformCookie>()->IsModal() &&
                     OpenForm<TformCookie>()->ListViewCookieF.Mark(0) == kMarkTicked;
        SetFileAttributesW(Widen(ConfigPath()).c_str(), FILE_ATTRIBUTE_NORMAL);
        SendMessageW(OpenForm<TformCookie>()->suiButtonSave.hwnd, BM_CLICK, 0, 0);  // saving again works
        return true;
    });
    form->otherCleanPage.OTBtn6Click();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(boxes, (std::vector<std::string>{kWriteFailed}));
    EXPECT_EQ(StoredKeepList(), "alpha.example/|)E(|");
}

// Opened while Config.ini cannot be read, the dialog says so and offers no Save, so that an empty list
// cannot overwrite the real one.
TEST_F(CookieDialog, UnreadableKeepListIsNotOfferedForSaving) {
    SetCookie("http://kept.example/", "a");
    ASSERT_TRUE(WriteConfigValue("Config.ini", "Drive", "Cookie", "kept.example/|)E(|"));
    HANDLE holder =
        CreateFileW(Widen(ConfigPath()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    std::string said;
    bool saveOffered = true;
    WhileModal script([&] {
        if (!OpenForm<TformCookie>()) return false;
        said = OpenForm<TformCookie>()->Label1.Text();
        saveOffered = IsWindowEnabled(OpenForm<TformCookie>()->suiButtonSave.hwnd);
        OpenForm<TformCookie>()->suiButtonSaveClick();
        SendMessageW(OpenForm<TformCookie>()->suiButton1.hwnd, BM_CLICK, 0, 0);
        return true;
    });
    form->otherCleanPage.OTBtn6Click();
    CloseHandle(holder);
    EXPECT_EQ(said, "The cookie keep list could not be read from Config.ini.");
    EXPECT_FALSE(saveOffered);
    EXPECT_EQ(StoredKeepList(), "kept.example/|)E(|");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CookieDialog, NamesThatWouldBreakTheListAreLeftOut) {
    TformCookie d;
    d.FormCreate(form->hwnd);
    d.m_ListViewAdd4(d.ListViewCookieF, "first.example/", kMarkTicked);
    d.m_ListViewAdd4(d.ListViewCookieF, "", kMarkTicked);
    d.m_ListViewAdd4(d.ListViewCookieF, "odd.example/|)E(|x", kMarkTicked);
    d.m_ListViewAdd4(d.ListViewCookieF, "odd.example/a|)E(", kMarkTicked);
    d.m_ListViewAdd4(d.ListViewCookieF, "last.example/", kMarkTicked);
    d.suiButtonSaveClick();
    EXPECT_EQ(StoredKeepList(), "first.example/|)E(|last.example/|)E(|");
}

TEST_F(CookieDialog, SavingWithNothingTickedStoresAnEmptyList) {
    ASSERT_TRUE(WriteConfigValue("Config.ini", "Drive", "Cookie", "a/|)E(|"));
    TformCookie d;
    d.FormCreate(form->hwnd);
    d.m_ListViewAdd4(d.ListViewCookieF, "a/", kMarkUnticked);
    d.suiButtonSaveClick();
    EXPECT_TRUE(FileExists(ConfigPath()));
    EXPECT_EQ(StoredKeepList(), "");
}
