// The windows at the display scale of the test prefix (LogPixels 96, 120, 144 or 192; KDC_TEST_DPI
// names it): sizes, texts, overlaps, the frame's zones and a move to a screen of another scale.
#include <cstdlib>
#include <string>
#include <vector>

#include "app/form_about.h"
#include "app/window_frame.h"
#include "otherclean/form_clean.h"
#include "otherclean/form_cookie.h"
#include "platform/frame.h"
#include "platform/text.h"
#include "scan/form_delete_report.h"
#include "settings/add_filter_dialogs.h"
#include "shared/all_var.h"
#include "support/main_window.h"
#include "widgets/button.h"
#include "widgets/label.h"

namespace {
int Px(int logical) { return ScaleToDpi(logical, SystemDpi()); }

SIZE OuterSize(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return {r.right - r.left, r.bottom - r.top};
}

std::vector<Widget*> Descendants(HWND root) {
    std::vector<Widget*> found;
    EnumChildWindows(
        root,
        [](HWND h, LPARAM list) {
            if (Widget* w = Widget::From(h)) reinterpret_cast<std::vector<Widget*>*>(list)->push_back(w);
            return TRUE;
        },
        LPARAM(&found));
    return found;
}

// Where a text control's caption does not fit its client rectangle in its font at the window's DPI.
std::string ClippedTexts(HWND root) {
    std::string clipped;
    HDC dc = GetDC(nullptr);
    for (Widget* w : Descendants(root)) {
        const std::wstring text = Widen(w->Text());
        if (text.empty()) continue;
        RECT client;
        GetClientRect(w->hwnd, &client);
        FontSpec font;
        UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE;
        int indent = 0;
        if (auto* label = dynamic_cast<Label*>(w)) {
            font = label->style.font;
            if (label->style.wordWrap) flags = DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK;
        } else if (auto* button = dynamic_cast<Button*>(w)) {
            if (button->style.kind == Button::Kind::kImage) continue;
            font = button->style.font;
            if (button->style.kind != Button::Kind::kPush) indent = w->Px(1 + 13 + 5);
        } else {
            continue;
        }
        HGDIOBJ old = SelectObject(dc, GetFont(font, w->dpi));
        RECT need{0, 0, client.right - indent, 0};
        DrawTextW(dc, text.c_str(), -1, &need, flags);
        SelectObject(dc, old);
        if (need.right + indent > client.right || need.bottom > client.bottom)
            clipped += w->Text() + " needs " + std::to_string(need.right + indent) + "x" +
                       std::to_string(need.bottom) + " in " + std::to_string(client.right) + "x" +
                       std::to_string(client.bottom) + "\n";
    }
    ReleaseDC(nullptr, dc);
    return clipped;
}

// Sibling controls that overlap on screen although their places in the design do not: the design's
// rectangle comes back from the device one by the scale, to the pixel.
std::string ScalingOverlaps(HWND root, int dpi = SystemDpi()) {
    std::string overlaps;
    auto logical = [dpi](RECT r) {
        return RECT{MulDiv(r.left, 96, dpi), MulDiv(r.top, 96, dpi), MulDiv(r.right, 96, dpi),
                    MulDiv(r.bottom, 96, dpi)};
    };
    std::vector<Widget*> all = Descendants(root);
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            Widget *a = all[i], *b = all[j];
            if (GetParent(a->hwnd) != GetParent(b->hwnd) || !IsWindowVisible(a->hwnd) ||
                !IsWindowVisible(b->hwnd))
                continue;
            RECT ra = a->Bounds(), rb = b->Bounds(), on, designed;
            InflateRect(&ra, -1, -1);  // a shared edge pixel is rounding, not an overlap
            if (!IntersectRect(&on, &ra, &rb)) continue;
            RECT la = logical(a->Bounds()), lb = logical(b->Bounds());
            InflateRect(&la, -1, -1);
            if (!IntersectRect(&designed, &la, &lb))
                overlaps += a->name + "/" + a->Text() + " over " + b->name + "/" + b->Text() + "\n";
        }
    return overlaps;
}

class Dpi : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetWindowPos(form->hwnd, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        PumpFor(20);
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        WindowReady = true;
    }
    // Each page in turn, its texts and its controls' places checked.
    void CheckPages() {
        for (Label* menu : {&form->LeftMenu1, &form->LeftMenu2, &form->LeftMenu3}) {
            menu->Activate();
            PumpFor(20);
            EXPECT_EQ(ClippedTexts(form->hwnd), "") << menu->Text();
            EXPECT_EQ(ScalingOverlaps(form->hwnd), "") << menu->Text();
        }
    }
    void ExpectCentredOverMain(HWND dialog) {
        RECT d, m;
        GetWindowRect(dialog, &d);
        GetWindowRect(form->hwnd, &m);
        EXPECT_NEAR((d.left + d.right) / 2, (m.left + m.right) / 2, 2);
        EXPECT_NEAR((d.top + d.bottom) / 2, (m.top + m.bottom) / 2, 2);
    }
};
}  // namespace

TEST_F(Dpi, RunsAtThePrefixScale) {
    if (const char* wanted = std::getenv("KDC_TEST_DPI")) EXPECT_EQ(SystemDpi(), std::atoi(wanted));
    EXPECT_EQ(form->dpi, SystemDpi());
    EXPECT_EQ(WindowDpi(form->hwnd), SystemDpi());
}

TEST_F(Dpi, MainWindowAndDialogsScaleTheirDesignSize) {
    SIZE main = OuterSize(form->hwnd);
    EXPECT_NEAR(main.cx, Px(717), 2);
    EXPECT_NEAR(main.cy, Px(547), 2);

    const int top = DialogTheme().titleBarHeight + 1;
    TformAbout about;
    about.FormCreate(form->hwnd);
    TformClean clean;
    clean.FormCreate(form->hwnd);
    TformCookie cookie;
    cookie.FormCreate(form->hwnd);
    DeletionOutcome outcome;
    outcome.left.resize(3);
    TformDeleteReport report;
    report.FormCreate(form->hwnd, outcome);
    CreateAddFilterDialogs();
    struct Case {
        Form& dialog;
        int width, height;
    } cases[] = {
        {about, 361, 224},        {clean, 335, 121 + top},      {cookie, 470, 368 + top},
        {report, 700, 330 + top}, {*AddFilter, 380, 186 + top}, {*AddFilterExclude, 380, 186 + top},
    };
    for (const Case& c : cases) {
        SIZE size = OuterSize(c.dialog.hwnd);
        EXPECT_NEAR(size.cx, Px(c.width), 2) << c.dialog.Text();
        EXPECT_NEAR(size.cy, Px(c.height), 2) << c.dialog.Text();
        if (&c.dialog != AddFilter && &c.dialog != AddFilterExclude) ExpectCentredOverMain(c.dialog.hwnd);
        ShowWindow(c.dialog.hwnd, SW_SHOWNA);
        PumpFor(20);
        EXPECT_EQ(ClippedTexts(c.dialog.hwnd), "") << c.dialog.Text();
        EXPECT_EQ(ScalingOverlaps(c.dialog.hwnd), "") << c.dialog.Text();
        ShowWindow(c.dialog.hwnd, SW_HIDE);
    }
    for (Form* f : {static_cast<Form*>(&about), static_cast<Form*>(&clean), static_cast<Form*>(&cookie),
                    static_cast<Form*>(&report)})
        DestroyWindow(f->hwnd);
}

TEST_F(Dpi, PagesShowTheirTextsWholeAndKeepTheirPlaces) { CheckPages(); }

// Points given from the window's left or top edge, or (negative) from its right or bottom edge.
TEST_F(Dpi, FrameZonesMinimumAndMaximisedBoundsScale) {
    struct Case {
        int x, y;
        LRESULT answer;
    } cases[] = {
        {0, 0, HTTOPLEFT},     {7, 7, HTTOPLEFT}, {8, 2, HTTOP},      {8, 3, HTCLIENT},
        {-8, 7, HTTOPRIGHT},   {-1, 8, HTRIGHT},  {-9, -9, HTCLIENT}, {-8, -8, HTBOTTOMRIGHT},
        {7, -8, HTBOTTOMLEFT}, {8, -8, HTBOTTOM}, {7, 8, HTLEFT},     {8, 8, HTCLIENT},
    };
    RECT w;
    GetWindowRect(form->hwnd, &w);
    // A logical point's device pixel: the first of the pixels it covers, from whichever edge.
    auto at = [](int v, LONG from, LONG to) { return v >= 0 ? from + Px(v) : to - Px(-v); };
    for (const Case& c : cases) {
        POINT p{at(c.x, w.left, w.right), at(c.y, w.top, w.bottom)};
        EXPECT_EQ(SendMessageW(form->hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), c.answer)
            << c.x << "," << c.y;
    }
    MINMAXINFO info{};
    SendMessageW(form->hwnd, WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, Px(717));
    EXPECT_EQ(info.ptMinTrackSize.y, Px(547));

    form->BtnMaxClick();
    RECT area = WorkAreaNear(form->hwnd), max;
    GetWindowRect(form->hwnd, &max);
    EXPECT_EQ(max.left, area.left - Px(2));
    EXPECT_EQ(max.top, area.top - Px(2));
    EXPECT_EQ(max.right, area.right + Px(2));
    EXPECT_EQ(max.bottom, area.bottom - Px(1));
    RECT close = form->BtnClose.Bounds();
    EXPECT_NEAR(close.right, (max.right - max.left) - Px(717 - 674 - 28), 1);
    EXPECT_EQ(close.bottom - close.top, Px(15));
    form->BtnRestoreClick();
}

// A move to a screen of another scale: the window takes the suggested rectangle, its controls the
// new scale, and moving back gives the first layout again.
TEST_F(Dpi, MovingToAScreenOfAnotherScaleLaysTheWindowOutAgain) {
    const int first = form->dpi, other = first == 192 ? 96 : 192;
    RECT before;
    GetWindowRect(form->hwnd, &before);
    const RECT scanButton = form->BtnClose.Bounds();
    auto move = [&](int dpi) {
        RECT suggested{before.left, before.top, before.left + ScaleToDpi(717, dpi),
                       before.top + ScaleToDpi(547, dpi)};
        SendMessageW(form->hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
        PumpFor(20);
    };
    move(other);
    EXPECT_EQ(form->dpi, other);
    EXPECT_EQ(form->drivePage.ListViewDrive.dpi, other);
    RECT close = form->BtnClose.Bounds();
    EXPECT_NEAR(close.left, ScaleToDpi(674, other), 2);
    EXPECT_NEAR(close.right - close.left, ScaleToDpi(28, other), 1);
    EXPECT_EQ(ScalingOverlaps(form->hwnd, other), "");
    move(first);
    RECT after = form->BtnClose.Bounds();
    EXPECT_NEAR(after.left, scanButton.left, 1);
    EXPECT_NEAR(after.right, scanButton.right, 1);
    SIZE size = OuterSize(form->hwnd);
    EXPECT_EQ(size.cx, before.right - before.left);
}
