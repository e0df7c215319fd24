// The cookie dialog and the cleaning-run dialog by keyboard.
#include "other_clean_fixture.h"
#include "platform/app_paths.h"
#include "platform/dialogs.h"
#include "platform/shell_open.h"
#include "settings/config_file.h"
#include "support/keys.h"

using namespace otherclean_test;

namespace {
// Keys pump messages, and with them the 20 ms timer of WhileModal: a poll that presses keys must not run
// again inside itself.
class Once {
  public:
    bool Enter() { return !inside_ && (inside_ = true); }
    void Leave() { inside_ = false; }

  private:
    bool inside_ = false;
};

class OtherCleanKeys : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ClearCookies();
        RemoveFile(ConfigPath());
        ResetOtherCleanAreas();
        SetDialogScript({.messageBox = [](const MessageBoxCall&) { return IDOK; }});
        SetShellOpenHook([this](const ShellOpenCall& c) { calls.push_back(c); });
    }
    void TearDown() override {
        SetShellOpenHook({});
        RemoveFile(ConfigPath());
        MainWindowTest::TearDown();
    }
    std::vector<ShellOpenCall> calls;
};
}  // namespace

TEST_F(OtherCleanKeys, CookieRowsTickBySpaceAndTabVisitsTheDialogInOrder) {
    TformCookie d;
    d.FormCreate(form->hwnd);
    for (const char* name : {"one.example/", "two.example/", "three.example/"})
        d.m_ListViewAdd4(d.ListViewCookieF, name, kMarkUnticked);
    ShowWindow(d.hwnd, SW_SHOW);
    SetFocus(d.hwnd);
    EXPECT_EQ(TabWalk(d.hwnd, 6),
              (std::vector<std::string>{"ListViewCookieF", "CCheckBoxAll", "CCheckBoxAllN", "suiButtonSave",
                                        "suiButton1", "ListViewCookieF"}));
    PressKey(d.hwnd, VK_END);
    PressKey(d.hwnd, VK_SPACE);
    PressKey(d.hwnd, VK_HOME);
    PressKey(d.hwnd, VK_SPACE);
    PressKey(d.hwnd, VK_SPACE);
    EXPECT_EQ(d.ListViewCookieF.Mark(0), kMarkUnticked);
    EXPECT_EQ(d.ListViewCookieF.Mark(1), kMarkUnticked);
    EXPECT_EQ(d.ListViewCookieF.Mark(2), kMarkTicked);
    ShowWindow(d.hwnd, SW_HIDE);
}

TEST_F(OtherCleanKeys, EscClosesTheCookieDialogAsCancelDoesAndF1OpensItsPage) {
    ASSERT_TRUE(WriteConfigValue("Config.ini", "Drive", "Cookie", "kept.example/|)E(|"));
    bool shown = false;
    Once once;
    WhileModal keys([&] {
        if (shown || !OpenForm<TformCookie>() || !IsWindowVisible(OpenForm<TformCookie>()->hwnd) ||
            !once.Enter())
            return false;
        shown = true;
        OpenForm<TformCookie>()->CCheckBoxAllClick();  // a change that Esc must not store
        SetFocus(OpenForm<TformCookie>()->ListViewCookieF.hwnd);
        PressKey(OpenForm<TformCookie>()->hwnd, VK_F1);
        PressKey(OpenForm<TformCookie>()->hwnd, VK_ESCAPE);
        return true;
    });
    form->otherCleanPage.OTBtn6Click();  // returns when the dialog has closed
    EXPECT_TRUE(shown);
    EXPECT_EQ(OpenForm<TformCookie>(), nullptr);
    EXPECT_EQ(ReadConfigValue("Config.ini", "Drive", "Cookie"), "kept.example/|)E(|");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].parameters, ExeFolder() + "Sweepwell.chm::/other_clean.html");
}

TEST_F(OtherCleanKeys, EscLeavesTheCleaningRunOpenUntilItHasFinishedThenClosesIt) {
    form->otherCleanPage.OCCheckBox5.SetChecked(true);
    bool openAfterEarlyEsc = false, tried = false, closed = false;
    Once once;
    WhileModal keys([&] {
        if (closed || !OpenForm<TformClean>() || !IsWindowVisible(OpenForm<TformClean>()->hwnd) ||
            !once.Enter())
            return false;
        if (!tried) {
            tried = true;
            if (!OpenForm<TformClean>()->suiButton1.Visible()) {  // still before or inside the run
                PressKey(OpenForm<TformClean>()->hwnd, VK_ESCAPE);
                openAfterEarlyEsc = OpenForm<TformClean>() && IsWindowVisible(OpenForm<TformClean>()->hwnd);
            }
            once.Leave();
            return false;
        }
        if (!OpenForm<TformClean>()->suiButton1.Visible()) {
            once.Leave();
            return false;
        }
        closed = true;
        PressKey(OpenForm<TformClean>()->hwnd, VK_ESCAPE);
        return true;
    });
    form->otherCleanPage.suiButtonCleanClick();  // returns when the dialog has closed
    EXPECT_TRUE(tried);
    EXPECT_TRUE(openAfterEarlyEsc);
    EXPECT_EQ(OpenForm<TformClean>(), nullptr);
}
