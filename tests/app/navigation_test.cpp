#include "shared/all_var.h"
#include "support/main_window.h"

namespace {
const COLORREF kOrange = RGB(255, 102, 0);
const COLORREF kWhite = RGB(255, 255, 255);

struct PageView {
    int page;
    const char* title;
    bool clean, results, options, other;
};

void ExpectPage(TFormMain& f, const PageView& v) {
    EXPECT_EQ(CurrentPage, v.page);
    EXPECT_EQ(f.lblOptionTitle.Text(), v.title);
    EXPECT_EQ(f.drivePage.suiPanelClean.Visible(), v.clean);
    EXPECT_EQ(f.resultsPage.suiPanelClean1.Visible(), v.results);
    EXPECT_EQ(f.optionsPage.suiPanelOptions.Visible(), v.options);
    EXPECT_EQ(f.otherCleanPage.suiPanelOtherClean.Visible(), v.other);
    Picture* icons[] = {&f.TitleIm1, &f.TitleIm2, &f.TitleIm3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(icons[i]->Visible(), i + 1 == v.page) << "title icon " << i + 1;
        RECT r = icons[i]->Bounds();
        EXPECT_EQ(r.left, i + 1 == v.page ? 6 : 2000);
    }
    Label* labels[] = {&f.LeftMenu1, &f.LeftMenu2, &f.LeftMenu3};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(labels[i]->style.color, i + 1 == v.page ? kOrange : kWhite) << "menu " << i + 1;
        EXPECT_FALSE(labels[i]->style.font.underline);
    }
}

const PageView kDriveClean{1, "Drive Clean", true, false, false, false};
const PageView kOptions{2, "Options", false, false, true, false};
const PageView kOtherClean{3, "Other Clean", false, false, false, true};
}  // namespace

using Navigation = MainWindowTest;

TEST_F(Navigation, StartsOnDriveCleanWithoutWritingConfig) {
    EXPECT_TRUE(WindowReady);
    EXPECT_EQ(ScanState, Idle);
    ExpectPage(*form, kDriveClean);
    EXPECT_FALSE(FileExists(TestExeFolder() + "Config.ini"));
    EXPECT_EQ(form->Text(), "Kestrune Disk Cleaner");
    RECT r;
    GetWindowRect(form->hwnd, &r);
    EXPECT_EQ(r.right - r.left, 717);
    EXPECT_EQ(r.bottom - r.top, 547);
}

TEST_F(Navigation, MenuClicksSwitchPages) {
    form->LeftMenu2Click();
    ExpectPage(*form, kOptions);
    form->LeftMenu3Click();
    ExpectPage(*form, kOtherClean);
    EXPECT_FALSE(form->otherCleanPage.suiPanelWait.Visible());
    form->LeftMenu1Click();
    ExpectPage(*form, kDriveClean);
}

TEST_F(Navigation, DriveCleanAlwaysReturnsToTheDriveList) {
    form->drivePage.suiPanelClean.Show(false);
    form->resultsPage.suiPanelClean1.Show(true);  // results of a scan on show
    form->LeftMenu2Click();
    form->LeftMenu1Click();
    ExpectPage(*form, kDriveClean);
}

TEST_F(Navigation, OptionsAndOtherCleanRefusedWhileScanRunsOrPauses) {
    for (int state : {Scanning, Paused}) {
        ScanState = state;
        form->LeftMenu2Click();
        form->LeftMenu3Click();
        ExpectPage(*form, kDriveClean);
        form->LeftMenu2MouseMove();
        form->LeftMenu3MouseMove();
        EXPECT_EQ(form->LeftMenu2.style.color, kWhite);
        EXPECT_FALSE(form->LeftMenu3.style.font.underline);
        form->m_MouseML(2, 1);  // highlighted earlier, then the scan started
        form->LeftMenu2MouseLeave();
        EXPECT_EQ(form->LeftMenu2.style.color, kWhite);
    }
    ScanState = Idle;
}

TEST_F(Navigation, HoverHighlightsOtherEntriesOnly) {
    for (Label* menu : {&form->LeftMenu2, &form->LeftMenu3}) {
        SendMessageW(menu->hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(menu->style.color, kOrange) << menu->name;
        EXPECT_TRUE(menu->style.font.underline) << menu->name;
        EXPECT_NE(menu->cursor, nullptr) << menu->name;
        SendMessageW(menu->hwnd, WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(menu->style.color, kWhite) << menu->name;
        EXPECT_FALSE(menu->style.font.underline) << menu->name;
        EXPECT_EQ(menu->cursor, nullptr) << menu->name;
    }
    form->LeftMenu1MouseMove();  // the current page's entry keeps its look
    EXPECT_EQ(form->LeftMenu1.style.color, kOrange);
    EXPECT_FALSE(form->LeftMenu1.style.font.underline);
    form->LeftMenu1MouseLeave();
    EXPECT_EQ(form->LeftMenu1.style.color, kOrange);
}

TEST_F(Navigation, MouseMLIgnoresOtherValues) {
    form->m_MouseML(4, 1);
    form->m_MouseML(0, 1);
    form->m_MouseML(2, 7);
    EXPECT_EQ(form->LeftMenu2.style.color, kWhite);
}

TEST_F(Navigation, HelpLabelHover) {
    form->topHelpMouseMove();
    EXPECT_TRUE(form->topHelp.style.font.underline);
    EXPECT_TRUE(form->topHelp.style.font.bold);
    form->topHelpMouseLeave();
    EXPECT_FALSE(form->topHelp.style.font.underline);
    EXPECT_TRUE(form->topHelp.style.font.bold);
}

TEST_F(Navigation, ClickingThroughTheRealLabelWindows) {
    const struct {
        Label& menu;
        const PageView& page;
    } steps[] = {{form->LeftMenu2, kOptions}, {form->LeftMenu3, kOtherClean}, {form->LeftMenu1, kDriveClean}};
    for (const auto& step : steps) {
        SendMessageW(step.menu.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(step.menu.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        PumpFor(20);
        ExpectPage(*form, step.page);
    }
}

TEST_F(Navigation, CloseSetsIdle) {
    ScanState = Scanning;
    SendMessageW(form->hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(ScanState, Idle);
    EXPECT_FALSE(IsWindow(form->hwnd));
}
