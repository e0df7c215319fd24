#include <gtest/gtest.h>

#include <vector>

#include "platform/frame.h"
#include "support/main_window.h"
#include "widgets/form.h"
#include "widgets/popup_menu.h"
#include "widgets/theme.h"

namespace {

struct Dialog : Form {
    void Make(bool titleBar, bool closeButton = true) {
        CreateForm({.caption = "Dialog",
                    .clientWidth = 335,
                    .clientHeight = 121,
                    .surface = {.fill = Panel::Fill::kSolid, .color = RGB(255, 255, 255)},
                    .titleBar = {.show = titleBar, .closeButton = closeButton}});
    }
    ~Dialog() override {
        if (hwnd) DestroyWindow(hwnd);
    }
};
}  // namespace

TEST(Themes, BothBuiltInThemesComeFromTheirArchives) {
    const Theme& main = MainTheme();
    const Theme& dialog = DialogTheme();
    EXPECT_EQ(main.name, "Midsummer");
    EXPECT_EQ(dialog.name, "mainfrom");
    EXPECT_EQ(main.headerTop, RGB(0x2F, 0x8A, 0x5B));
    EXPECT_EQ(dialog.border, RGB(0, 0, 0));
    EXPECT_EQ(dialog.pageBack, main.pageBack) << "mainfrom takes what it lacks from Midsummer";
    EXPECT_NE(dialog.titleBarTop, main.titleBarTop);
    BITMAP skin{};
    ASSERT_TRUE(GetObjectW(main.Image("skin"), sizeof(skin), &skin));
    EXPECT_EQ(skin.bmWidth, 710);
    EXPECT_EQ(skin.bmHeight, 540);
    EXPECT_EQ(skin.bmBitsPixel, 24);
    EXPECT_EQ(main.Image("no such image"), nullptr);
}

TEST(DialogFrame, TitleBarShowsCaptionClosesAndDrags) {
    Dialog d;
    d.Make(true);
    ASSERT_NE(d.TitleBar(), nullptr);
    RECT bar = d.TitleBar()->Bounds();
    EXPECT_EQ(bar.left, 1);
    EXPECT_EQ(bar.top, 1);
    EXPECT_EQ(bar.right, 334);
    EXPECT_EQ(bar.bottom, 1 + DialogTheme().titleBarHeight);
    EXPECT_EQ(d.style.border, DialogTheme().border);

    std::vector<HWND> moves;
    SetWindowMoveHook([&](HWND h) { moves.push_back(h); });
    SendMessageW(d.TitleBar()->hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
    SetWindowMoveHook({});
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0], d.hwnd);

    bool closedByBar = false;
    d.onClose = [&] { closedByBar = true; };
    RunSoon([&] { SendMessageW(d.TitleBar()->closeButton.hwnd, BM_CLICK, 0, 0); });
    d.ShowModal();
    EXPECT_TRUE(closedByBar);
}

TEST(DialogFrame, OptionalPartsStayOff) {
    Dialog plain;
    plain.Make(false);
    EXPECT_EQ(plain.TitleBar(), nullptr);
    EXPECT_EQ(plain.style.border, CLR_INVALID);
    Dialog noClose;
    noClose.Make(true, false);
    ASSERT_NE(noClose.TitleBar(), nullptr);
    EXPECT_EQ(noClose.TitleBar()->closeButton.hwnd, nullptr);
}

TEST(PopupMenus, RunTheChosenEntryAfterClosingAndSkipDisabledOnes) {
    Dialog owner;
    owner.Make(false);
    PopupMenu menu;
    std::vector<std::string> ran;
    menu.Add("a", "Alpha", [&] { ran.push_back("a"); });
    menu.Add("sep", "-");
    menu.Add("b", "Beta\tCtrl+B", [&] { ran.push_back("b"); });
    menu.Find("b")->enabled = false;
    menu.Choose("a");
    menu.Choose("b");
    menu.Choose("sep");
    menu.Choose("missing");
    EXPECT_EQ(ran, std::vector<std::string>{"a"});

    UINT alphaState = 0xFFFFFFFF, betaState = 0;
    RunSoon([&] {
        alphaState = GetMenuState(menu.OpenHandle(), 0, MF_BYPOSITION);
        betaState = GetMenuState(menu.OpenHandle(), 2, MF_BYPOSITION);
        EndMenu();
    });
    menu.Popup(200, 200, PopupMenu::Align::kRight);
    EXPECT_EQ(menu.OpenHandle(), nullptr);
    EXPECT_TRUE(alphaState & MF_OWNERDRAW);
    EXPECT_FALSE(alphaState & MF_GRAYED);
    EXPECT_TRUE(betaState & MF_GRAYED);
    EXPECT_EQ(ran.size(), 1u) << "a cancelled menu runs nothing";
}
