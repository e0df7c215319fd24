#include <vector>

#include "shared/all_var.h"
#include "app/window_frame.h"
#include "platform/frame.h"
#include "support/main_window.h"

namespace {
class Frame : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetWindowMoveHook([this](HWND h) { moves.push_back(h); });
        SetWindowPos(form->hwnd, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        PumpFor(20);
    }
    void TearDown() override {
        SetWindowMoveHook({});
        MainWindowTest::TearDown();
        WindowReady = true;
    }
    RECT Window() const {
        RECT r;
        GetWindowRect(form->hwnd, &r);
        return r;
    }
    LRESULT HitTest(int x, int y) {
        RECT r = Window();
        return SendMessageW(form->hwnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
    }
    std::vector<HWND> moves;
};

bool Equal(const RECT& a, const RECT& b) { return EqualRect(&a, &b); }
}  // namespace

TEST_F(Frame, EdgeZonesAtTheirBoundaries) {
    struct Case {
        int x, y;
        LRESULT answer;
    } cases[] = {
        {0, 0, HTTOPLEFT},      {7, 7, HTTOPLEFT},         {8, 0, HTTOP},
        {8, 2, HTTOP},          {8, 3, HTCLIENT},          {300, 2, HTTOP},
        {300, 3, HTCLIENT},     {300, 7, HTCLIENT},        {708, 2, HTTOP},
        {709, 0, HTTOPRIGHT},   {716, 7, HTTOPRIGHT},      {716, 8, HTRIGHT},
        {709, 538, HTRIGHT},    {709, 539, HTBOTTOMRIGHT}, {716, 546, HTBOTTOMRIGHT},
        {708, 546, HTBOTTOM},   {8, 539, HTBOTTOM},        {7, 539, HTBOTTOMLEFT},
        {0, 546, HTBOTTOMLEFT}, {0, 538, HTLEFT},          {7, 8, HTLEFT},
        {8, 8, HTCLIENT},       {708, 538, HTCLIENT},      {300, 300, HTCLIENT},
    };
    for (const Case& c : cases) EXPECT_EQ(HitTest(c.x, c.y), c.answer) << c.x << "," << c.y;
}

TEST_F(Frame, NoEdgeZonesWhileMaximisedOrBeforeStartUpEnds) {
    form->BtnMaxClick();
    for (POINT p : {POINT{0, 0}, POINT{300, 1}, POINT{0, 300}})
        EXPECT_EQ(HitTest(p.x, p.y), HTCLIENT) << p.x << "," << p.y;
    form->BtnRestoreClick();
    EXPECT_EQ(HitTest(0, 0), HTTOPLEFT);
    WindowReady = false;
    EXPECT_EQ(HitTest(300, 1), HTCLIENT);
}

TEST_F(Frame, WindowNeverSmallerThanItsDesignSize) {
    SetWindowPos(form->hwnd, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    RECT r = Window();
    EXPECT_EQ(r.right - r.left, 717);
    EXPECT_EQ(r.bottom - r.top, 547);
    MINMAXINFO info{};
    SendMessageW(form->hwnd, WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 717);
    EXPECT_EQ(info.ptMinTrackSize.y, 547);
    SetWindowPos(form->hwnd, nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
    r = Window();
    EXPECT_EQ(r.right - r.left, 800);
}

TEST_F(Frame, MaximiseCoversTheWorkAreaAndDoubleClickRestoresExactly) {
    RECT before = Window();
    form->BtnMaxClick();
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT expected{work.left - 2, work.top - 2, work.right + 2, work.bottom - 1};
    EXPECT_TRUE(Equal(Window(), expected));
    EXPECT_TRUE(Equal(form->SavedBounds, before));
    EXPECT_FALSE(WindowReady);
    EXPECT_FALSE(form->BtnMax.Visible());
    EXPECT_TRUE(form->BtnRestore.Visible());
    EXPECT_FALSE(IsZoomed(form->hwnd));

    SendMessageW(form->hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(300, 15));
    EXPECT_TRUE(Equal(Window(), before));
    EXPECT_TRUE(WindowReady);
    EXPECT_TRUE(form->BtnMax.Visible());
    EXPECT_FALSE(form->BtnRestore.Visible());
    form->FormDblClick();
    EXPECT_TRUE(Equal(Window(), expected));
}

TEST_F(Frame, CaptionButtonsDoWhatTheyShow) {
    const RECT before = Window();
    SendMessageW(form->BtnMax.hwnd, BM_CLICK, 0, 0);
    EXPECT_FALSE(Equal(Window(), before));
    EXPECT_TRUE(form->BtnRestore.Visible());
    SendMessageW(form->BtnRestore.hwnd, BM_CLICK, 0, 0);
    EXPECT_TRUE(Equal(Window(), before));
    EXPECT_TRUE(form->BtnMax.Visible());
    SendMessageW(form->BtnMin.hwnd, BM_CLICK, 0, 0);
    EXPECT_TRUE(IsIconic(form->hwnd));
    ShowWindow(form->hwnd, SW_RESTORE);
    SendMessageW(form->BtnClose.hwnd, BM_CLICK, 0, 0);
    PumpFor(50);
    EXPECT_FALSE(IsWindow(form->hwnd));
}

TEST_F(Frame, AnchoredRegionsFollowTheWindowSize) {
    form->BtnMaxClick();
    PumpFor(20);
    RECT w = Window();
    int W = w.right - w.left, H = w.bottom - w.top;
    struct Case {
        Widget* widget;
        RECT bounds;
    } cases[] = {
        {&form->BtnClose, {W - 43, 8, W - 15, 23}},
        {&form->BtnMin, {W - 103, 8, W - 75, 23}},
        {&form->topMain, {8, 28, W - 8, 95}},
        {&form->suiImagePanel3, {8, 95, 186, H - 154}},
        {&form->suiImagePanel2, {8, H - 154, 186, H - 8}},
        {&form->suiImagePanel4, {186, 95, W - 8, 133}},
        {&form->drivePage.suiPanelClean, {186, 133, W - 8, H - 8}},
    };
    for (const Case& c : cases) {
        RECT r = c.widget->Bounds();
        EXPECT_TRUE(Equal(r, c.bounds))
            << c.widget->name << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}

TEST_F(Frame, OutlineRoundsTheTopCornersOnly) {
    auto inside = [&](int x, int y) {
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(form->hwnd, rgn);
        bool in = PtInRegion(rgn, x, y);
        DeleteObject(rgn);
        return in;
    };
    for (int round = 0; round < 2; ++round) {
        RECT w = Window();
        int W = w.right - w.left, H = w.bottom - w.top;
        EXPECT_FALSE(inside(0, 0));
        EXPECT_FALSE(inside(1, 0));
        EXPECT_FALSE(inside(W - 1, 0));
        EXPECT_TRUE(inside(4, 4));
        EXPECT_TRUE(inside(W / 2, 0));
        EXPECT_TRUE(inside(0, H / 2 - 1));  // the squared lower corners of the upper half
        EXPECT_TRUE(inside(0, H - 1));
        EXPECT_TRUE(inside(W - 1, H - 1));
        form->BtnMaxClick();  // a resize builds the outline again
    }
}

TEST_F(Frame, DragStartsFromTheTitleStripOnly) {
    form->FormMouseDown(kLeftButton, 300, 28);
    EXPECT_EQ(moves.size(), 1u);
    form->FormMouseDown(kLeftButton, 300, 29);
    form->FormMouseDown(kRightButton, 300, 5);
    EXPECT_EQ(moves.size(), 1u);
    SendMessageW(form->hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 5));
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[1], form->hwnd);
    form->BtnMaxClick();
    form->FormMouseDown(kLeftButton, 300, 5);
    EXPECT_EQ(moves.size(), 2u);
}

TEST_F(Frame, CaptionColourFollowsApplicationActivation) {
    SendMessageW(form->hwnd, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(form->TitleTextColor, RGB(128, 128, 128));
    SendMessageW(form->hwnd, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(form->TitleTextColor, RGB(60, 60, 60));
}

TEST_F(Frame, WindowMenuOpensBelowTheIconWithMaximiseOnlyWhileReady) {
    for (bool maximised : {false, true}) {
        if (maximised) form->BtnMaxClick();
        UINT state = 0xFFFFFFFF;
        int count = 0;
        RunSoon(100, [&] {
            HMENU open = form->FrmMainMenu.OpenHandle();
            count = open ? GetMenuItemCount(open) : 0;
            state = open ? GetMenuState(open, 1, MF_BYPOSITION) : 0xFFFFFFFF;
            EndMenu();
        });
        form->MaintitleImageClick();
        RECT w = Window();
        EXPECT_EQ(count, 4);
        EXPECT_EQ((state & MF_GRAYED) != 0, maximised);
        EXPECT_EQ(form->FrmMainMenu.LastPoint().x, w.left + 8);
        EXPECT_EQ(form->FrmMainMenu.LastPoint().y, w.top + 28);
        EXPECT_EQ(form->FrmMainMenu.LastAlign(), PopupMenu::Align::kLeft);
    }
    form->FrmMainMenu.Choose("Maximize1");  // disabled: nothing
    EXPECT_FALSE(WindowReady);
}

TEST_F(Frame, WindowMenuMinimiseAndCloseWorkWhileMaximised) {
    form->BtnMaxClick();
    form->FrmMainMenu.Choose("MenuItem5");
    EXPECT_TRUE(IsIconic(form->hwnd));
    ShowWindow(form->hwnd, SW_RESTORE);
    PumpFor(20);
    EXPECT_EQ(form->topMain.Bounds().right, Window().right - Window().left - 8);  // layout kept
    ScanState = Scanning;
    form->FrmMainMenu.Choose("MenuItem7");
    PumpFor(50);
    EXPECT_FALSE(IsWindow(form->hwnd));
    EXPECT_EQ(ScanState, Idle);
}
