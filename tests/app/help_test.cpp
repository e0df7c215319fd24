#include <vector>

#include "app/core/date_line.h"
#include "app/form_about.h"
#include "platform/app_paths.h"
#include "platform/shell_folders.h"
#include "platform/shell_open.h"
#include "shell_recording.h"
#include "support/main_window.h"

namespace {
using Help = ShellRecordingTest;

void Click(Widget& w) {
    SendMessageW(w.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(w.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PumpFor(20);
}

const char* const kHelpTitle = "Kestrune Disk Cleaner Help";
}  // namespace

TEST_F(Help, HelpMenuOpensRightAlignedBelowTheHeaderThenResetsTheLabel) {
    form->topHelpMouseMove();
    int count = 0;
    UINT separator = 0;
    RunSoon([&] {
        HMENU open = form->menuHelp.OpenHandle();
        count = open ? GetMenuItemCount(open) : 0;
        separator = open ? GetMenuState(open, 1, MF_BYPOSITION) : 0;
        EndMenu();
    });
    form->topHelpClick();
    RECT w;
    GetWindowRect(form->hwnd, &w);
    EXPECT_EQ(count, 4);
    EXPECT_TRUE(separator & MF_SEPARATOR);
    EXPECT_EQ(form->menuHelp.LastPoint().x, w.right - 40);
    EXPECT_EQ(form->menuHelp.LastPoint().y, w.top + 95);
    EXPECT_EQ(form->menuHelp.LastAlign(), PopupMenu::Align::kRight);
    EXPECT_TRUE(form->topHelp.style.font.bold);
    EXPECT_FALSE(form->topHelp.style.font.underline);
    EXPECT_TRUE(calls.empty());
    std::vector<std::string> captions;
    for (const auto& item : form->menuHelp.Items()) captions.push_back(item.caption.Text());
    EXPECT_EQ(captions, (std::vector<std::string>{"用户指南", "-", "关于 Kestrune Disk Cleaner",
                                                  "浏览 Kestrune 主页 ->"}));
}

TEST_F(Help, UserGuideOpensTheHelpFileBesideTheExe) {
    form->menuHelp.Choose("menuHelp1");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].verb, "");
    EXPECT_EQ(calls[0].target, ExeFolder() + "Sweepwell.chm");
    EXPECT_EQ(calls[0].show, SW_SHOW);
}

TEST_F(Help, UserGuideRaisesAnOpenViewerInsteadOfASecondOne) {
    Form viewer;
    viewer.CreateForm(
        {.caption = kHelpTitle, .clientWidth = 300, .clientHeight = 200, .style = WS_OVERLAPPEDWINDOW});
    ShowWindow(viewer.hwnd, SW_SHOWMINIMIZED);
    PumpFor(20);
    ASSERT_TRUE(IsIconic(viewer.hwnd));
    form->menuHelp1Click();
    PumpFor(20);
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(IsIconic(viewer.hwnd));
    EXPECT_TRUE(IsWindowVisible(viewer.hwnd));
    EXPECT_EQ(GetActiveWindow(), viewer.hwnd);
    DestroyWindow(viewer.hwnd);
}

TEST_F(Help, HomePageOpensHidden) {
    form->menuHelp.Choose("menuHelp3");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].verb, "open");
    EXPECT_EQ(calls[0].target, "www.kestrune.example");
    EXPECT_EQ(calls[0].show, SW_HIDE);
}

TEST_F(Help, LinkLabelsOpenTheirTrimmedTargetUnlessBlank) {
    bool clicked = false;
    form->btmURL.onClick = [&] { clicked = true; };
    struct Case {
        const char* target;
        const char* opened;  // nullptr: nothing is opened
    } cases[] = {
        {"www.kestrune.example", "www.kestrune.example"},
        {"  mailto:a@b.example \t", "mailto:a@b.example"},
        {"", nullptr},
        {"   ", nullptr},
    };
    for (const Case& c : cases) {
        calls.clear();
        clicked = false;
        form->btmURL.target = c.target;
        Click(form->btmURL);
        EXPECT_TRUE(clicked) << "the label's own click follows";
        if (!c.opened) {
            EXPECT_TRUE(calls.empty()) << "'" << c.target << "'";
            continue;
        }
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].verb, "open");
        EXPECT_EQ(calls[0].target, c.opened);
        EXPECT_EQ(calls[0].show, SW_SHOW);
    }
}

TEST_F(Help, BottomLinkTurnsYellowUnderTheMouse) {
    SendMessageW(form->btmURL.hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(form->btmURL.style.color, RGB(255, 255, 0));
    SendMessageW(form->btmURL.hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(form->btmURL.style.color, RGB(255, 255, 255));
    EXPECT_NE(form->btmURL.cursor, nullptr);
}

TEST_F(Help, AboutBoxShowsTheProductAndClosesByItsTitleBarButton) {
    struct Seen {
        bool found = false;
        std::string title, home, homeTarget, mail, mailTarget, close;
        RECT client{};
        bool hasCloseButton = false;
        COLORREF linkColor = 0, hoverColor = 0;
    } seen;
    HWND aboutHwnd = nullptr;
    RunSoon([&] {
        aboutHwnd = FindWindowW(L"KdcForm", L"\x5173\x4E8E");
        auto* about = dynamic_cast<TformAbout*>(Widget::From(aboutHwnd));
        if (!about) return;
        seen.found = true;
        seen.title = about->lblTitle.Text();
        seen.home = about->lblHomePage.Text();
        seen.homeTarget = about->lblHomePage.target;
        seen.mail = about->lblEmailTo.Text();
        seen.mailTarget = about->lblEmailTo.target;
        seen.close = about->btnClose.Text();
        GetClientRect(about->hwnd, &seen.client);
        seen.hasCloseButton = about->TitleBar() && about->TitleBar()->closeButton.hwnd;
        SendMessageW(about->lblEmailTo.hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        seen.hoverColor = about->lblEmailTo.style.color;
        SendMessageW(about->lblEmailTo.hwnd, WM_MOUSELEAVE, 0, 0);
        seen.linkColor = about->lblEmailTo.style.color;
        if (seen.hasCloseButton) SendMessageW(about->TitleBar()->closeButton.hwnd, BM_CLICK, 0, 0);
    });
    form->menuHelp2Click();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.title, "Kestrune Disk Cleaner  2.0");
    EXPECT_EQ(seen.home, "主页：www.kestrune.example");
    EXPECT_EQ(seen.homeTarget, "www.kestrune.example");
    EXPECT_EQ(seen.mail, "E-Mail: support@kestrune.example");
    EXPECT_EQ(seen.mailTarget, "mailto:support@kestrune.example");
    EXPECT_EQ(seen.close, "关闭 (&C)");
    EXPECT_EQ(seen.client.right, 361);
    EXPECT_EQ(seen.client.bottom, 224);
    EXPECT_EQ(seen.hoverColor, RGB(255, 0, 0));
    EXPECT_EQ(seen.linkColor, RGB(0, 0, 255));
    EXPECT_FALSE(IsWindow(aboutHwnd)) << "a closed About box is not kept";
    EXPECT_TRUE(IsWindowEnabled(form->hwnd));
}

TEST_F(Help, AboutBoxClosesByItsButtonAndOpensAgain) {
    for (int round = 0; round < 2; ++round) {
        bool closed = false;
        RunSoon([&] {
            auto* about = dynamic_cast<TformAbout*>(Widget::From(FindWindowW(L"KdcForm", L"\x5173\x4E8E")));
            if (!about) return;
            SendMessageW(about->btnClose.hwnd, BM_CLICK, 0, 0);
            closed = true;
        });
        form->menuHelp.Choose("menuHelp2");
        EXPECT_TRUE(closed);
    }
}

TEST_F(Help, DateLabelShowsTodayFromTheStart) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(form->lblDate.Text(), DateLineText(now.wYear, now.wMonth, now.wDay, now.wDayOfWeek));
    EXPECT_EQ(form->lblDate.Text().find(", "), form->lblDate.Text().find(',')) << form->lblDate.Text();
}

TEST_F(Help, SpecialFolderRequestNamesTheFolder) {
    OpenSpecialFolder(CSIDL_BITBUCKET, nullptr);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].specialFolder, CSIDL_BITBUCKET);
    EXPECT_EQ(calls[0].verb, "open");
    EXPECT_EQ(calls[0].show, SW_SHOWNORMAL);
    LPITEMIDLIST list = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_BITBUCKET, &list), S_OK);
    FreeItemIdList(list);
}
