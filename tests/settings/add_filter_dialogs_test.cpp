// The two add-filter dialogs, driven while they are shown modally from the Options page.
#include "settings/config_file.h"
#include "settings/list_rows.h"
#include "settings_fixture.h"

namespace {
const char* const kCaption = "添加文件类型";

void Click(Widget& button) { SendMessageW(button.hwnd, BM_CLICK, 0, 0); }

class AddFilterDialogs : public OptionsTest {
  protected:
    // Opens the dialog through the page's Add button and runs the steps one after another while it is
    // shown. A dialog that closes before its last step, or stays open after it, fails the test.
    void WhileShown(Form& dialog, Button& addButton, std::vector<std::function<void()>> steps) {
        size_t next = 0;
        UINT_PTR pending = 0;
        std::function<void()> runNext = [&] {
            pending = 0;
            EXPECT_TRUE(IsWindowVisible(dialog.hwnd));
            steps[next++]();
            if (next < steps.size()) pending = RunLater(30, runNext);
        };
        pending = RunLater(30, runNext);
        UINT_PTR watchdog = RunLater(5000, [&] {
            ADD_FAILURE() << "the dialog stayed open";
            dialog.CloseModal(0);
        });
        Click(addButton);
        if (pending) CancelLater(pending);
        CancelLater(watchdog);
        EXPECT_EQ(next, steps.size()) << "the dialog closed before its last step";
        EXPECT_FALSE(IsWindowVisible(dialog.hwnd));
    }
    void AddInclude(const std::string& mask, const std::string& description) {
        WhileShown(*AddFilter, form->optionsPage.ifButtonAdd, {[&] {
            AddFilter->EditIncludeFilter.SetText(mask);
            AddFilter->EditDesFilter.SetText(description);
            Click(AddFilter->suiButtonSave);
        }});
    }
};

std::vector<HWND> TabOrder(const Form& dialog) {
    std::vector<HWND> order;
    HWND first = GetNextDlgTabItem(dialog.hwnd, nullptr, FALSE);
    for (HWND h = first; h && (order.empty() || h != first); h = GetNextDlgTabItem(dialog.hwnd, h, FALSE))
        order.push_back(h);
    return order;
}
}  // namespace

TEST_F(AddFilterDialogs, CaptionsAndTabOrder) {
    EXPECT_EQ(AddFilter->Text(), kCaption);
    EXPECT_EQ(AddFilterExclude->Text(), kCaption);
    EXPECT_EQ(AddFilter->Label2.Text(), "文件类型：");
    EXPECT_EQ(AddFilterExclude->Label2.Text(), "文件类型:");
    EXPECT_EQ(AddFilter->Label3.Text(), "文件描述:");
    EXPECT_EQ(AddFilter->Label4.Text(), "输入文件说明.");
    EXPECT_NE(AddFilter->Label1.Text().find("\"?\"(表示"), std::string::npos);
    EXPECT_NE(AddFilterExclude->Label1.Text().find("\"?\"(单"), std::string::npos);
    EXPECT_EQ(AddFilter->suiButtonSave.Text(), "确定");
    EXPECT_EQ(AddFilter->suiButtonCancel.Text(), "取消");
    ASSERT_NE(AddFilter->TitleBar(), nullptr);  // a skinned title bar with only a close button
    EXPECT_NE(AddFilter->TitleBar()->closeButton.hwnd, nullptr);
    LONG style = GetWindowLongW(AddFilter->hwnd, GWL_STYLE);
    EXPECT_FALSE((style & WS_MINIMIZEBOX) || (style & WS_MAXIMIZEBOX));

    TAddFilter include;
    TAddFilterExclude exclude;
    include.Create();
    exclude.Create();
    EXPECT_FALSE(include.suiButtonSave.Enabled());
    EXPECT_FALSE(exclude.suiButtonSave.Enabled());
    include.suiButtonSave.Enable(true);
    exclude.suiButtonSave.Enable(true);
    EXPECT_EQ(TabOrder(include),
              (std::vector<HWND>{include.EditIncludeFilter.hwnd, include.EditDesFilter.hwnd,
                                 include.suiButtonSave.hwnd, include.suiButtonCancel.hwnd}));
    EXPECT_EQ(TabOrder(exclude),
              (std::vector<HWND>{exclude.suiButtonSave.hwnd, exclude.suiButtonCancel.hwnd,
                                 exclude.EditExincludeFilter.hwnd, exclude.EditDesFilter.hwnd}));
    DestroyWindow(include.hwnd);
    DestroyWindow(exclude.hwnd);
}

TEST_F(AddFilterDialogs, TrimmedFilterIsAppendedTicked) {
    AddFilterRow(form->optionsPage.ListViewFilterI, "*.old", "Old", false);
    AddInclude("  *.jnk  ", "  Junk  ");
    ASSERT_EQ(form->optionsPage.ListViewFilterI.Count(), 2);
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterI)[1],
              (ListRow{{"", "*.jnk", "jnk", "Junk"}, kMarkTicked}));
    EXPECT_EQ(AddFilter->accepted.mask, "*.jnk");
    EXPECT_EQ(AddFilter->accepted.description, "Junk");
}

TEST_F(AddFilterDialogs, IncludeDialogOpensEmptyWithOkDisabledEveryTime) {
    AddInclude("*.a", "A");
    WhileShown(*AddFilter, form->optionsPage.ifButtonAdd, {[&] {
        EXPECT_EQ(AddFilter->EditIncludeFilter.Text(), "");
        EXPECT_EQ(AddFilter->EditDesFilter.Text(), "");
        EXPECT_FALSE(AddFilter->suiButtonSave.Enabled());
        EXPECT_EQ(GetFocus(), AddFilter->EditIncludeFilter.hwnd);
        AddFilter->EditIncludeFilter.SetText("*.b");
        Click(AddFilter->suiButtonCancel);
    }});
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Count(), 1);
}

TEST_F(AddFilterDialogs, OkFollowsTheTrimmedMask) {
    WhileShown(*AddFilter, form->optionsPage.ifButtonAdd,
               {[&] {
                    struct Step {
                        const char* text;
                        bool enabled;
                    } steps[] = {{"   ", false}, {"\t", false}, {" x ", true}, {"", false}, {"*", true}};
                    for (const Step& s : steps) {
                        AddFilter->EditIncludeFilter.SetText(s.text);
                        EXPECT_EQ(AddFilter->suiButtonSave.Enabled(), s.enabled) << '"' << s.text << '"';
                    }
                    AddFilter->EditIncludeFilter.SetText("  ");
                    Click(AddFilter->suiButtonSave);  // confirms nothing, even clicked through the API
                },
                [&] { Click(AddFilter->suiButtonCancel); }});
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Count(), 0);
}

// The message names the characters the mask holds, then every character a mask cannot hold, each standing
// apart so that the quote and the backslash read as themselves.
TEST_F(AddFilterDialogs, RefusedCharactersAreNamedAndTheDialogStaysOpen) {
    const std::string all =
        "No file type may hold any of these characters:\n"
        "/  |  \\  \"  :  ,  >  <\n"
        "The wildcards * and ? may be used.";
    struct Case {
        const char* mask;
        const char* found;  // nullptr: accepted
    } cases[] = {{"C:\\*.tmp", "  \\  :"}, {"a/b", "  /"},  {"x|y", "  |"},  {"a,b", "  ,"},
                 {"<x>", "  >  <"},        {"a:b", "  :"},  {"\"q", "  \""}, {"*.~*", nullptr},
                 {"~*.*", nullptr},        {"a;b", nullptr}};
    for (const Case& c : cases) {
        const bool refused = c.found != nullptr;
        boxes.clear();
        int before = form->optionsPage.ListViewFilterI.Count();
        std::vector<std::function<void()>> steps{[&] {
            AddFilter->EditIncludeFilter.SetText(c.mask);
            AddFilter->EditDesFilter.SetText("d");
            Click(AddFilter->suiButtonSave);
        }};
        if (refused)
            steps.push_back([&] {
                EXPECT_EQ(AddFilter->EditIncludeFilter.Text(), c.mask);
                EXPECT_EQ(AddFilter->EditDesFilter.Text(), "d");
                Click(AddFilter->suiButtonCancel);
            });
        WhileShown(*AddFilter, form->optionsPage.ifButtonAdd, steps);
        EXPECT_EQ(form->optionsPage.ListViewFilterI.Count(), before + (refused ? 0 : 1)) << c.mask;
        ASSERT_EQ(boxes.size(), refused ? 1u : 0u) << c.mask;
        if (refused) {
            EXPECT_EQ(boxes[0].text, "The file type cannot contain:" + std::string(c.found) + "\n\n" + all);
            EXPECT_EQ(boxes[0].flags, UINT(MB_OK));
            EXPECT_EQ(boxes[0].caption, "Kestrune Disk Cleaner");
            EXPECT_EQ(boxes[0].owner, AddFilter->hwnd);
        }
    }
}

TEST_F(AddFilterDialogs, EmptyDescriptionAndRepeatedMaskAreAccepted) {
    AddInclude("*.dup", "");
    AddInclude("*.dup", "");
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterI),
              (std::vector<ListRow>{{{"", "*.dup", "dup", ""}, kMarkTicked},
                                    {{"", "*.dup", "dup", ""}, kMarkTicked}}));
}

TEST_F(AddFilterDialogs, CancelCloseAndEscapeAddNothing) {
    std::function<void()> endings[] = {
        [] { Click(AddFilter->suiButtonCancel); },
        [] { SendMessageW(AddFilter->hwnd, WM_CLOSE, 0, 0); },
        [] { SendMessageW(AddFilter->hwnd, WM_COMMAND, IDCANCEL, 0); },
    };
    for (auto& end : endings) {
        WhileShown(*AddFilter, form->optionsPage.ifButtonAdd, {[&] {
            AddFilter->EditIncludeFilter.SetText("*.tmp");
            end();
        }});
    }
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Count(), 0);
}

TEST_F(AddFilterDialogs, EnterConfirmsWhenOkIsEnabled) {
    WhileShown(*AddFilter, form->optionsPage.ifButtonAdd, {[&] {
        AddFilter->EditIncludeFilter.SetText("*.ent");
        SendMessageW(AddFilter->hwnd, WM_COMMAND, IDOK, 0);
    }});
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Cell(0, 1), "*.ent");
}

TEST_F(AddFilterDialogs, ExcludeDialogKeepsItsLastTexts) {
    WhileShown(*AddFilterExclude, form->optionsPage.efButtonAdd, {[&] {
        AddFilterExclude->EditExincludeFilter.SetText(" Index.dat ");
        AddFilterExclude->EditDesFilter.SetText("Data Files");
        Click(AddFilterExclude->suiButtonSave);
    }});
    WhileShown(*AddFilterExclude, form->optionsPage.efButtonAdd, {[&] {
        EXPECT_EQ(AddFilterExclude->EditExincludeFilter.Text(), " Index.dat ");
        EXPECT_EQ(AddFilterExclude->EditDesFilter.Text(), "Data Files");
        EXPECT_TRUE(AddFilterExclude->suiButtonSave.Enabled());
        Click(AddFilterExclude->suiButtonCancel);
    }});
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterE),
              (std::vector<ListRow>{{{"", "Index.dat", "dat", "Data Files"}, kMarkTicked}}));
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Count(), 0);
}

TEST_F(AddFilterDialogs, DescriptionThatWouldSplitTheStoredListIsRefused) {
    for (const char* description : {"a|)E(|b", "ends |)E(", ")E(| starts"}) {
        boxes.clear();
        WhileShown(*AddFilter, form->optionsPage.ifButtonAdd,
                   {[&] {
                        AddFilter->EditIncludeFilter.SetText("*.t");
                        AddFilter->EditDesFilter.SetText(description);
                        Click(AddFilter->suiButtonSave);
                    },
                    [&] {
                        EXPECT_EQ(AddFilter->EditDesFilter.Text(), description);
                        Click(AddFilter->suiButtonCancel);
                    }});
        ASSERT_EQ(boxes.size(), 1u) << description;
        EXPECT_NE(boxes[0].text.find("|)E(|"), std::string::npos);
        EXPECT_EQ(boxes[0].flags, UINT(MB_ICONWARNING | MB_OK));
    }
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Count(), 0);
}

// A Chinese description is kept when the system's ANSI code page holds it (a Chinese system); elsewhere it
// is refused when entered rather than stored as question marks.
TEST_F(AddFilterDialogs, ChineseDescriptionSurvivesSaveOrIsRefused) {
    const std::string chinese = "临时文件";
    std::string ansi;
    bool codePageHoldsIt = ToAnsi(chinese, ansi);
    std::printf("ANSI code page %u %s Chinese\n", GetACP(), codePageHoldsIt ? "holds" : "cannot hold");
    std::vector<std::function<void()>> steps{[&] {
        AddFilter->EditIncludeFilter.SetText("*.cn");
        AddFilter->EditDesFilter.SetText(chinese);
        Click(AddFilter->suiButtonSave);
    }};
    if (!codePageHoldsIt) steps.push_back([&] { Click(AddFilter->suiButtonCancel); });
    WhileShown(*AddFilter, form->optionsPage.ifButtonAdd, steps);
    if (!codePageHoldsIt) {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].text.find("code page"), std::string::npos);
        EXPECT_EQ(form->optionsPage.ListViewFilterI.Count(), 0);
        return;
    }
    form->optionsPage.suiButtonSaveClick();
    Restart();
    EXPECT_EQ(form->optionsPage.ListViewFilterI.Cell(0, 3), chinese);
}

TEST_F(AddFilterDialogs, NonAsciiDescriptionOfTheCodePageSurvivesSaveAndRestart) {
    const std::string accented = "Café backups";  // "é": in every Western and in the Chinese code page
    std::string ansi;
    if (!ToAnsi(accented, ansi)) GTEST_SKIP() << "code page " << GetACP() << " lacks the letter";
    AddInclude("*.caf", accented);
    form->optionsPage.suiButtonSaveClick();
    EXPECT_TRUE(boxes.empty());
    Restart();
    EXPECT_EQ(Rows(form->optionsPage.ListViewFilterI),
              (std::vector<ListRow>{{{"", "*.caf", "caf", accented}, kMarkTicked}}));
}

// Both dialogs open ready for typing a mask. The exclude dialog's kept mask is selected, so that typing
// replaces it; in the include dialog the field is empty.
TEST_F(AddFilterDialogs, BothOpenWithTheFocusInTheMaskField) {
    WhileShown(*AddFilterExclude, form->optionsPage.efButtonAdd, {[&] {
        EXPECT_EQ(GetFocus(), AddFilterExclude->EditExincludeFilter.hwnd);
        AddFilterExclude->EditExincludeFilter.SetText("*.old");
        Click(AddFilterExclude->suiButtonSave);
    }});
    struct Opening {
        const char* name;
        Form& dialog;
        Button& add;
        EditBox& mask;
        Button& cancel;
        const char* typed;
    } openings[] = {
        {"include", *AddFilter, form->optionsPage.ifButtonAdd, AddFilter->EditIncludeFilter,
         AddFilter->suiButtonCancel, "*.a"},
        {"exclude", *AddFilterExclude, form->optionsPage.efButtonAdd, AddFilterExclude->EditExincludeFilter,
         AddFilterExclude->suiButtonCancel, "*.new"},
    };
    for (Opening& o : openings) {
        WhileShown(o.dialog, o.add, {[&] {
                       EXPECT_EQ(GetFocus(), o.mask.hwnd) << o.name;
                       // Typing right after the dialog opens: the keys reach the mask field.
                       for (const char* c = o.typed; *c; ++c)
                           SendMessageW(GetFocus(), WM_CHAR, WPARAM(*c), 0);
                       EXPECT_EQ(o.mask.Text(), o.typed) << o.name;
                       Click(o.cancel);
                   }});
    }
}
