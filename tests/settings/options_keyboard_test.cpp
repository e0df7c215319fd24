// The Options lists and the add-filter dialogs by keyboard.
#include "settings/list_rows.h"
#include "settings_fixture.h"
#include "support/keys.h"

namespace {
class OptionsKeys : public OptionsTest {
  protected:
    void SetUp() override {
        OptionsTest::SetUp();
        form->LeftMenu2Click();
        OptionsPage& o = form->optionsPage;
        for (ListView* list : {&o.ListViewFilterI, &o.ListViewFilterE}) {
            AddFilterRow(*list, "*.one", "One", true);
            AddFilterRow(*list, "*.two", "Two", false);
            AddFilterRow(*list, "*.three", "Three", true);
        }
        for (const char* path : {"D:\\one", "D:\\two", "D:\\three"}) AddPathRow(o.ListViewExcludePath, path);
    }
    // Shows the list's tab and puts the keyboard focus on the row, as arrow keys from the top do.
    void FocusRow(ListView& list, int tab, int row) {
        form->optionsPage.suiPage.SetActivePage(tab);
        SetFocus(list.hwnd);
        PressKey(form->hwnd, VK_HOME);
        for (int i = 0; i < row; ++i) PressKey(form->hwnd, VK_DOWN);
        ASSERT_EQ(list.FocusedRow(), row);
    }
    static std::vector<int> Marks(const ListView& list) {
        std::vector<int> marks;
        for (int row = 0; row < list.Count(); ++row) marks.push_back(list.Mark(row));
        return marks;
    }
};

struct ListCase {
    const char* name;
    ListView OptionsPage::*list;
    int tab;
    const char* question;
};
const ListCase kLists[] = {
    {"exclude paths", &OptionsPage::ListViewExcludePath, 1, "Delete this path?"},
    {"include filters", &OptionsPage::ListViewFilterI, 2, "Delete this filter?"},
    {"exclude filters", &OptionsPage::ListViewFilterE, 3, "Delete this filter?"},
};
}  // namespace

TEST_F(OptionsKeys, SpaceTicksTheFocusedFilterAsAClickOnItsBoxDoes) {
    for (const ListCase& c : kLists) {
        SCOPED_TRACE(c.name);
        ListView& list = form->optionsPage.*c.list;
        std::vector<int> before = Marks(list);
        FocusRow(list, c.tab, 1);
        PressKey(form->hwnd, VK_SPACE);
        if (c.tab == 1) {
            EXPECT_EQ(Marks(list), before);  // the path rows have no tick
            continue;
        }
        std::vector<int> afterKey = Marks(list);
        EXPECT_EQ(afterKey, (std::vector<int>{kMarkTicked, kMarkTicked, kMarkTicked}));
        // The same row pressed on its tick box goes back where it was.
        POINT box = TickBoxPoint(list, 1);
        SendMessageW(list.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(box.x, box.y));
        SendMessageW(list.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(box.x, box.y));
        EXPECT_EQ(Marks(list), before);
    }
}

TEST_F(OptionsKeys, DeleteAsksAsADoubleClickDoesAndOkDeletesTheFocusedRow) {
    for (const ListCase& c : kLists) {
        SCOPED_TRACE(c.name);
        ListView& list = form->optionsPage.*c.list;
        const std::string kept0 = list.Cell(0, c.tab == 1 ? 0 : 1), kept2 = list.Cell(2, c.tab == 1 ? 0 : 1);
        FocusRow(list, c.tab, 1);
        boxes.clear();
        ScriptBoxes(IDCANCEL);
        PressKey(form->hwnd, VK_DELETE);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, c.question);
        EXPECT_EQ(boxes[0].caption, "Confirm");
        EXPECT_EQ(boxes[0].flags, UINT(MB_ICONQUESTION | MB_OKCANCEL));
        EXPECT_EQ(list.Count(), 3);  // Cancel keeps it
        ScriptBoxes(IDOK);
        PressKey(form->hwnd, VK_DELETE);
        ASSERT_EQ(list.Count(), 2);
        const int text = c.tab == 1 ? 0 : 1;
        EXPECT_EQ(list.Cell(0, text), kept0);
        EXPECT_EQ(list.Cell(1, text), kept2);
        EXPECT_EQ(list.FocusedRow(), 1);  // on the row that took its place
    }
}

TEST_F(OptionsKeys, DeleteInAnEmptyListAsksNothing) {
    OptionsPage& o = form->optionsPage;
    o.ListViewFilterI.Clear();
    o.suiPage.SetActivePage(2);
    SetFocus(o.ListViewFilterI.hwnd);
    PressKey(form->hwnd, VK_DELETE);
    PressKey(form->hwnd, VK_SPACE);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OptionsKeys, EscInEitherAddFilterDialogAddsNothingAndEnterConfirmsATypedMask) {
    struct {
        Form* dialog;
        Button OptionsPage::*add;
        ListView OptionsPage::*list;
        EditBox* mask;
        int tab;
    } dialogs[] = {
        {AddFilter, &OptionsPage::ifButtonAdd, &OptionsPage::ListViewFilterI, &AddFilter->EditIncludeFilter,
         2},
        {AddFilterExclude, &OptionsPage::efButtonAdd, &OptionsPage::ListViewFilterE,
         &AddFilterExclude->EditExincludeFilter, 3},
    };
    for (auto& d : dialogs) {
        form->optionsPage.suiPage.SetActivePage(d.tab);
        ListView& list = form->optionsPage.*d.list;
        Button& add = form->optionsPage.*d.add;
        const int rows = list.Count();
        bool shownWhenEsc = false;
        RunLater(100, [&] {
            d.mask->SetText("*.esc");
            shownWhenEsc = IsWindowVisible(d.dialog->hwnd);
            PressKey(d.dialog->hwnd, VK_ESCAPE);
        });
        UINT_PTR watchdog = RunLater(5000, [&] { d.dialog->CloseModal(0); });
        SetFocus(add.hwnd);
        PressKey(form->hwnd, VK_SPACE);  // opens the dialog; returns when it has closed
        CancelLater(watchdog);
        EXPECT_TRUE(shownWhenEsc);
        EXPECT_FALSE(IsWindowVisible(d.dialog->hwnd));
        EXPECT_EQ(list.Count(), rows);

        RunLater(100, [&] {
            SetFocus(d.mask->hwnd);
            d.mask->SetText("*.key");
            PressKey(d.dialog->hwnd, VK_RETURN);
        });
        watchdog = RunLater(5000, [&] { d.dialog->CloseModal(0); });
        SetFocus(add.hwnd);
        PressKey(form->hwnd, VK_RETURN);
        CancelLater(watchdog);
        ASSERT_EQ(list.Count(), rows + 1);
        EXPECT_EQ(list.Cell(rows, 1), "*.key");
    }
}

TEST_F(OptionsKeys, TabInTheAddFilterDialogsFollowsTheirOrder) {
    std::vector<std::string> include, exclude;
    RunLater(100, [&] {
        AddFilter->EditIncludeFilter.SetText("*.x");  // OK is enabled, so Tab visits it
        include = TabWalk(AddFilter->hwnd, 4);
        PressKey(AddFilter->hwnd, VK_ESCAPE);
    });
    form->optionsPage.ifButtonAddClick();
    RunLater(100, [&] {
        AddFilterExclude->EditExincludeFilter.SetText("*.x");
        exclude = TabWalk(AddFilterExclude->hwnd, 4);
        PressKey(AddFilterExclude->hwnd, VK_ESCAPE);
    });
    form->optionsPage.efButtonAddClick();
    // Both open in the mask field.
    EXPECT_EQ(include, (std::vector<std::string>{"EditDesFilter", "suiButtonSave", "suiButtonCancel",
                                                 "EditIncludeFilter"}));
    EXPECT_EQ(exclude, (std::vector<std::string>{"EditDesFilter", "suiButtonSave", "suiButtonCancel",
                                                 "EditExincludeFilter"}));
}
