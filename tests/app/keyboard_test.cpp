#include <vector>

#include "app/form_about.h"
#include "platform/app_paths.h"
#include "platform/shell_open.h"
#include "shared/all_var.h"
#include "support/keys.h"
#include "shell_recording.h"
#include "support/main_window.h"
#include "widgets/keyboard.h"

namespace {
using Names = std::vector<std::string>;

class Keyboard : public ShellRecordingTest {
  protected:
    // Tab from the window itself once round all of its tab stops and back to the first; then the same
    // backwards with Shift+Tab.
    void ExpectTabOrder(const Names& expected) {
        SetFocus(form->hwnd);
        Names forward = expected;
        forward.push_back(expected.front());
        EXPECT_EQ(TabWalk(form->hwnd, int(forward.size())), forward);
        Names backward(expected.rbegin(), expected.rend());
        backward.push_back(expected.back());
        EXPECT_EQ(TabWalk(form->hwnd, int(backward.size()), true), backward);
    }
    std::string HelpTarget() const { return ExeFolder() + "Sweepwell.chm::/"; }
};

const Names kShellStops = {"帮助", "LeftMenu1", "LeftMenu2", "LeftMenu3", "btmURL"};

Names WithShell(const Names& page) {
    Names all = kShellStops;
    all.insert(all.end(), page.begin(), page.end());
    return all;
}
}  // namespace

TEST_F(Keyboard, TabVisitsTheDriveCleanPageInReadingOrder) {
    ExpectTabOrder(WithShell({"ListViewDrive", "suiButtonScan"}));
}

TEST_F(Keyboard, TabVisitsEachOptionsTabInReadingOrder) {
    form->LeftMenu2Click();
    struct {
        int tab;
        Names controls;
    } cases[] = {
        {0,
         {"扫描只读文件", "扫描系统文件", "扫描隐藏文件", "扫描所有零字节文件", "将文件已送到回收站",
          "直接删除垃圾文件", "gRadioChinese", "gRadioEnglish"}},
        {1, {"ListViewExcludePath", "添加", "删除路径"}},
        {2, {"ListViewFilterI", "添加", "删除文件", "全选", "全否"}},
        {3, {"ListViewFilterE", "添加", "删除文件", "全选", "全否"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab);
        form->optionsPage.suiPage.SetActivePage(c.tab);
        Names page = {"suiPage"};
        page.insert(page.end(), c.controls.begin(), c.controls.end());
        page.push_back("默认");
        page.push_back("保存");
        ExpectTabOrder(WithShell(page));
    }
}

TEST_F(Keyboard, TabVisitsTheOtherCleanRowsBoxThenFolderAndSkipsDisabledButtons) {
    form->LeftMenu3Click();
    ExpectTabOrder(WithShell({"OCCheckBox1", "OTBtn1", "OCCheckBox4", "OTBtn4", "OCCheckBox5", "OTBtn5",
                              "OCCheckBox6", "OTBtn6", "OCCheckBox2", "OCCheckBox3", "suiButtonClean"}));
}

TEST_F(Keyboard, TabVisitsTheResultsPage) {
    form->drivePage.suiPanelClean.Show(false);
    form->resultsPage.suiPanelClean1.Show(true);
    ExpectTabOrder(WithShell({"SCheckBoxAll", "SCheckBoxAllN", "ListViewScan", "suiButtonBack",
                              "suiButtonPause", "suiButtonDelete"}));
}

TEST_F(Keyboard, EnterAndSpaceOnTheLeftMenuSwitchPages) {
    SetFocus(form->LeftMenu2.hwnd);
    PressKey(form->hwnd, VK_RETURN);
    EXPECT_EQ(CurrentPage, 2);
    EXPECT_TRUE(form->optionsPage.suiPanelOptions.Visible());
    SetFocus(form->LeftMenu1.hwnd);
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(CurrentPage, 1);
    EXPECT_TRUE(form->drivePage.suiPanelClean.Visible());
}

TEST_F(Keyboard, SpaceAndEnterActOnTheFocusedButtonCheckBoxAndRadioButton) {
    form->LeftMenu2Click();
    OptionsPage& o = form->optionsPage;
    o.gCheckRead.SetChecked(false);
    SetFocus(o.gCheckRead.hwnd);
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_TRUE(o.gCheckRead.Checked());
    PressKey(form->hwnd, VK_RETURN);
    EXPECT_FALSE(o.gCheckRead.Checked());
    o.gRadioRecycle.SetChecked(true);
    o.gRadioPermanently.SetChecked(false);
    SetFocus(o.gRadioPermanently.hwnd);
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_TRUE(o.gRadioPermanently.Checked());
    EXPECT_FALSE(o.gRadioRecycle.Checked());
    int clicks = 0;
    o.suiButtonSave.onClick = [&] { ++clicks; };
    SetFocus(o.suiButtonSave.hwnd);
    PressKey(form->hwnd, VK_RETURN);
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(clicks, 2);
    o.suiButtonSave.Enable(false);
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(clicks, 2);  // a disabled button does nothing
}

TEST_F(Keyboard, CtrlTabSwitchesTheOptionsTabsBothWaysAndWraps) {
    form->LeftMenu2Click();
    PageControl& tabs = form->optionsPage.suiPage;
    tabs.SetActivePage(0);
    SetFocus(form->optionsPage.gCheckRead.hwnd);
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        PressKey(form->hwnd, VK_TAB, kCtrl);
        seen.push_back(tabs.ActivePage());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 0}));
    EXPECT_TRUE(form->optionsPage.suiTabSheetGeneral.Visible());
    EXPECT_FALSE(form->optionsPage.suiTabSheetFilterE.Visible());
    PressKey(form->hwnd, VK_TAB, kCtrl | kShift);
    EXPECT_EQ(tabs.ActivePage(), 3);
    EXPECT_TRUE(form->optionsPage.suiTabSheetFilterE.Visible());
    EXPECT_EQ(FocusName(), "suiPage");  // the box that held the focus was hidden with its tab
    form->LeftMenu1Click();
    PressKey(form->hwnd, VK_TAB, kCtrl);
    EXPECT_EQ(tabs.ActivePage(), 3);  // only on the Options page
}

TEST_F(Keyboard, F1OpensTheUserGuideAtThePageOnScreen) {
    struct {
        void (TFormMain::*select)();
        const char* page;
    } cases[] = {
        {&TFormMain::LeftMenu2Click, "options.html"},
        {&TFormMain::LeftMenu3Click, "other_clean.html"},
        {&TFormMain::LeftMenu1Click, "drive_clean.html"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        (form.get()->*c.select)();
        calls.clear();
        SetFocus(form->LeftMenu1.hwnd);
        PressKey(form->hwnd, VK_F1);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].verb, "open");
        EXPECT_EQ(calls[0].target, "hh.exe");
        EXPECT_EQ(calls[0].parameters, HelpTarget() + c.page);
    }
}

TEST_F(Keyboard, F1AndEscInTheAboutBox) {
    std::string helpParameters, focusBeforeEsc;
    bool stillShownAfterF1 = false;
    RunSoon([&] {
        HWND about = GetActiveWindow();
        SetFocus(GetWindow(about, GW_CHILD));
        PressKey(about, VK_F1);
        if (!calls.empty()) helpParameters = calls.back().parameters;
        stillShownAfterF1 = IsWindowVisible(about);
        PressKey(about, VK_ESCAPE);
    });
    form->menuHelp2Click();  // returns when the box has closed
    EXPECT_EQ(helpParameters, HelpTarget() + "index.html");
    EXPECT_TRUE(stillShownAfterF1);
}

TEST_F(Keyboard, AboutBoxTabVisitsItsLinksAndClose) {
    TformAbout about;
    about.FormCreate(form->hwnd);
    ShowWindow(about.hwnd, SW_SHOW);
    SetFocus(about.hwnd);
    EXPECT_EQ(TabWalk(about.hwnd, 4), (Names{"lblHomePage", "lblEmailTo", "btnClose", "lblHomePage"}));
    calls.clear();
    PressKey(about.hwnd, VK_RETURN);  // on the home page link
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].target, kHomePage);
    DestroyWindow(about.hwnd);
}

TEST_F(Keyboard, AltF4ClosesTheWindowAsTheCloseButtonDoes) {
    HWND window = form->hwnd;
    SetFocus(form->LeftMenu1.hwnd);
    PressKey(window, VK_F4, kAlt);
    PumpFor(50);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(Keyboard, FocusCuesAreHiddenUntilAKeyAndHiddenAgainByAMouseClick) {
    HWND window = form->hwnd;
    EXPECT_FALSE(KeyboardCuesShown(window));
    SetFocus(form->LeftMenu2.hwnd);
    EXPECT_FALSE(KeyboardCuesShown(window));  // the focus alone shows nothing
    PressKey(window, VK_TAB);
    EXPECT_TRUE(KeyboardCuesShown(window));
    EXPECT_TRUE(KeyboardCuesShown(form->drivePage.suiButtonScan.hwnd));
    PostClickAt(form->drivePage.driveLine1.hwnd, 2, 2);
    EXPECT_FALSE(KeyboardCuesShown(window));
    PressKey(window, VK_DOWN);
    EXPECT_TRUE(KeyboardCuesShown(window));
}
