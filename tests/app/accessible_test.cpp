// What a screen reader learns of the owner-drawn controls and the tick lists, before and after a
// click, asked through the platform's accessibility interface.
#include "settings/list_rows.h"
#include "support/accessible_client.h"
#include "support/keys.h"
#include "support/main_window.h"

namespace {
class Accessible : public MainWindowTest {
  protected:
    // A left click as the mouse gives it, in the middle of the control.
    void Click(Widget& w) {
        RECT r;
        GetClientRect(w.hwnd, &r);
        PostClickAt(w.hwnd, r.right / 2, r.bottom / 2);
    }
    void ClickAt(Widget& w, int x, int y) { PostClickAt(w.hwnd, x, y); }
};

constexpr long kChecked = STATE_SYSTEM_CHECKED, kFocused = STATE_SYSTEM_FOCUSED,
               kUnavailable = STATE_SYSTEM_UNAVAILABLE;
}  // namespace

TEST_F(Accessible, CheckBoxesAndRadioButtonsSayWhatTheyAreAndWhetherTheyAreTicked) {
    form->LeftMenu2Click();
    OptionsPage& o = form->optionsPage;
    o.gCheckRead.SetChecked(false);
    o.gRadioRecycle.SetChecked(true);
    o.gRadioPermanently.SetChecked(false);
    struct {
        Button& button;
        long role;
        const char* name;
        bool checkedBefore, checkedAfter;
    } cases[] = {
        {o.gCheckRead, ROLE_SYSTEM_CHECKBUTTON, "扫描只读文件", false, true},
        {o.gRadioPermanently, ROLE_SYSTEM_RADIOBUTTON, "直接删除垃圾文件", false, true},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        AccessibleClient acc(c.button.hwnd);
        ASSERT_TRUE(acc.Valid());
        EXPECT_EQ(acc.Role(), c.role);
        EXPECT_EQ(acc.Name(), c.name);
        EXPECT_EQ(acc.State() & kChecked, c.checkedBefore ? kChecked : 0);
        EXPECT_EQ(acc.State() & (kFocused | kUnavailable), 0);
        Click(c.button);
        EXPECT_EQ(acc.State() & kChecked, c.checkedAfter ? kChecked : 0);
        EXPECT_EQ(acc.State() & kFocused, kFocused);  // a clicked button takes the focus
    }
    AccessibleClient other(o.gRadioRecycle.hwnd);
    EXPECT_EQ(other.State() & kChecked, 0);  // its partner was unticked by the click
    AccessibleClient selectAll(o.OCheckBoxAll1.hwnd);
    EXPECT_EQ(selectAll.State() & kChecked, kChecked);
    EXPECT_EQ(selectAll.DefaultAction(), "Uncheck");
}

TEST_F(Accessible, PushButtonsAndImageButtonsArePushButtonsNamedByTheirTextOrArea) {
    AccessibleClient scan(form->drivePage.suiButtonScan.hwnd);
    EXPECT_EQ(scan.Role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(scan.Name(), "开始扫描");
    EXPECT_EQ(scan.DefaultAction(), "Press");
    EXPECT_EQ(scan.State() & kChecked, 0);

    form->LeftMenu3Click();
    OtherCleanPage& p = form->otherCleanPage;
    p.OTLabel1.SetText("1.50 MB");
    AccessibleClient open(p.OTBtn1.hwnd);
    EXPECT_EQ(open.Role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(open.Name(), "清理 Windows 回收站");  // named after its row, without the leading blanks
    EXPECT_EQ(open.Description(), "1.50 MB");
    EXPECT_EQ(open.State() & kUnavailable, 0);
    AccessibleClient disabled(p.OTBtn2.hwnd);
    EXPECT_EQ(disabled.State() & kUnavailable, kUnavailable);
    AccessibleClient box(p.OCCheckBox1.hwnd);
    EXPECT_EQ(box.Role(), ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_EQ(box.Description(), "1.50 MB");
    EXPECT_EQ(box.State() & kChecked, 0);
    Click(p.OCCheckBox1);
    EXPECT_EQ(box.State() & kChecked, kChecked);

    AccessibleClient close(form->BtnClose.hwnd);
    EXPECT_EQ(close.Role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(close.Name(), "关闭");
}

TEST_F(Accessible, TheDefaultActionClicksTheButton) {
    form->LeftMenu2Click();
    int clicks = 0;
    form->optionsPage.suiButtonSave.onClick = [&] { ++clicks; };
    AccessibleClient save(form->optionsPage.suiButtonSave.hwnd);
    EXPECT_EQ(save.DoDefaultAction(), S_OK);
    EXPECT_EQ(clicks, 1);
    AccessibleClient box(form->optionsPage.gCheckZero.hwnd);
    const long before = box.State() & kChecked;
    EXPECT_EQ(box.DoDefaultAction(), S_OK);
    EXPECT_NE(box.State() & kChecked, before);
}

TEST_F(Accessible, MenuEntriesAndLinksAreLinks) {
    AccessibleClient menu(form->LeftMenu2.hwnd);
    EXPECT_EQ(menu.Role(), ROLE_SYSTEM_LINK);
    EXPECT_EQ(menu.Name(), "选项");
    EXPECT_EQ(menu.State() & STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_FOCUSABLE);
    AccessibleClient url(form->btmURL.hwnd);
    EXPECT_EQ(url.Role(), ROLE_SYSTEM_LINK);
    EXPECT_EQ(url.Name(), form->btmURL.Text());
}

TEST_F(Accessible, FilterRowsReadAsTheirTextsAndTicks) {
    form->LeftMenu2Click();
    ListView& list = form->optionsPage.ListViewFilterI;
    AddFilterRow(list, "*.tmp", "Temporary Files", true);
    AddFilterRow(list, "*.bak", "Backup Files", false);
    form->optionsPage.suiPage.SetActivePage(2);
    AccessibleClient acc(list.hwnd);
    ASSERT_TRUE(acc.Valid());
    EXPECT_EQ(acc.Role(), ROLE_SYSTEM_LIST);
    EXPECT_EQ(acc.Name(), "文件类型");
    ASSERT_EQ(acc.ChildCount(), 2);
    EXPECT_EQ(acc.Role(1), ROLE_SYSTEM_LISTITEM);
    EXPECT_EQ(acc.Name(1), "*.tmp, tmp, Temporary Files");
    EXPECT_EQ(acc.Name(2), "*.bak, bak, Backup Files");
    EXPECT_EQ(acc.State(1) & kChecked, kChecked);
    EXPECT_EQ(acc.State(2) & kChecked, 0);
    // A click on the second row's tick box, then Space on the first.
    RECT r{};
    ListView_GetItemRect(list.hwnd, 1, &r, LVIR_BOUNDS);
    ClickAt(list, r.left + 8, r.top + 6);
    EXPECT_EQ(acc.State(2) & kChecked, kChecked);
    PressKey(form->hwnd, VK_HOME);
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_EQ(acc.State(1) & kChecked, 0);
    EXPECT_EQ(acc.State(1) & (kFocused | STATE_SYSTEM_SELECTED), kFocused | STATE_SYSTEM_SELECTED);
}

TEST_F(Accessible, DriveRowsReadAsTheirDriveAndSizes) {
    ListView& list = form->drivePage.ListViewDrive;
    AccessibleClient acc(list.hwnd);
    ASSERT_EQ(acc.ChildCount(), list.Count());
    EXPECT_EQ(acc.Name(1), list.Cell(0, 0) + ", " + list.Cell(0, 1) + ", " + list.Cell(0, 2));
    EXPECT_EQ(acc.State(1) & kChecked, kChecked);
    list.SetMark(0, kMarkUnticked);
    EXPECT_EQ(acc.State(1) & kChecked, 0);
}
