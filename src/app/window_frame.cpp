#include "app/window_frame.h"

#include <windowsx.h>

#include <algorithm>

#include "app/form_main.h"
#include "platform/frame.h"
#include "platform/text.h"
#include "shared/all_var.h"

namespace {
constexpr int kEdge = 8, kTopEdge = 3;

// The twelve pieces of the frame: source in the skin bitmap, destination in the window, where a value
// written "W - n" lies n pixels before the window's right or bottom edge. Right and bottom are exclusive.
struct Piece {
    RECT source;
    int left, top, right, bottom;
};
constexpr int W = 1 << 20;  // marks a destination value as "window width/height minus"
constexpr Piece kPieces[] = {
    {{0, 0, 8, 28}, 0, 0, 8, 28},                  // top-left corner
    {{8, 0, 100, 28}, 8, 0, W - 8, 28},            // top edge
    {{702, 0, 710, 27}, W - 8, 0, W, 28},          // top-right corner
    {{702, 28, 710, 100}, W - 8, 28, W, W - 20},   // right edge
    {{702, 520, 710, 540}, W - 8, W - 20, W, W},   // bottom-right corner
    {{8, 532, 100, 540}, 8, W - 8, W - 8, W},      // bottom edge
    {{0, 520, 8, 540}, 0, W - 20, 8, W},           // bottom-left corner
    {{0, 28, 8, 100}, 0, 28, 8, W - 20},           // left edge
    {{315, 28, 320, 52}, 312, 28, W - 315, 52},    // upper band, middle
    {{8, 28, 313, 52}, 8, 28, 313, 52},            // upper band, left
    {{325, 28, 632, 52}, W - 315, 28, W - 8, 52},  // upper band, right
    {{8, 52, 100, 79}, 8, 52, W - 8, 79},          // lower band
};

// A value of the tables in the window's device pixels: the logical distance from its edge, scaled.
int Resolve(const Widget& w, int value, int size) {
    return value > W / 2 ? size - w.Px(W - value) : w.Px(value);
}

// The edge zones in the order they are tested; the first hit answers.
struct Zone {
    int left, top, right, bottom;
    LRESULT answer;
};
constexpr Zone kZones[] = {
    {0, 0, kEdge, kEdge, HTTOPLEFT},           {W - kEdge, W - kEdge, W, W, HTBOTTOMRIGHT},
    {W - kEdge, 0, W, kEdge, HTTOPRIGHT},      {0, W - kEdge, kEdge, W, HTBOTTOMLEFT},
    {kEdge, 0, W - kEdge, kTopEdge, HTTOP},    {0, kEdge, kEdge, W - kEdge, HTLEFT},
    {W - kEdge, kEdge, W, W - kEdge, HTRIGHT}, {kEdge, W - kEdge, W - kEdge, W, HTBOTTOM},
};

SIZE WindowSize(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
}
}  // namespace

void TFormMain::CreateFrame() {
    ImageDi = MainTheme().Image("skin", dpi);
    onMouseDown = [this](MouseButton button, int x, int y) { FormMouseDown(button, x, y); };
    onDblClick = [this] { FormDblClick(); };
    MaintitleImage.onClick = [this] { MaintitleImageClick(); };

    FrmMainMenu.Add("MenuItem5", UiText::kWindowMenuMinimize, [this] { BtnMinClick(); });
    FrmMainMenu.Add("Maximize1", UiText::kWindowMenuMaximize, [this] { BtnMaxClick(); });
    FrmMainMenu.Add("MenuItem6", "-");
    FrmMainMenu.Add("MenuItem7", UiText::kWindowMenuClose, [this] { BtnCloseClick(); });

    menuHelp.Add("menuHelp1", UiText::kHelpMenuGuide, [this] { menuHelp1Click(); });
    menuHelp.Add("N1", "-");
    menuHelp.Add("menuHelp2", UiText::kHelpMenuAbout, [this] { menuHelp2Click(); });
    menuHelp.Add("menuHelp3", UiText::kHelpMenuHomePage, [this] { menuHelp3Click(); });
}

void TFormMain::PaintBackground(HDC dc, const RECT& rect) {
    Form::PaintBackground(dc, rect);
    FormPaint(dc, rect);
}

void TFormMain::OnDpiChanged(int) { ImageDi = MainTheme().Image("skin", dpi); }

// The skin is drawn at the window's scale, so its pieces are cut at that scale too.
void TFormMain::FormPaint(HDC dc, const RECT& area) {
    SIZE size = WindowSize(hwnd);
    if (ImageDi) {
        HDC skin = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(skin, ImageDi);
        SetStretchBltMode(dc, COLORONCOLOR);
        for (const Piece& p : kPieces) {
            int l = Resolve(*this, p.left, size.cx), t = Resolve(*this, p.top, size.cy);
            int r = Resolve(*this, p.right, size.cx), b = Resolve(*this, p.bottom, size.cy);
            RECT piece{l, t, r, b}, shown;
            if (!IntersectRect(&shown, &piece, &area)) continue;  // a control asked for another part
            RECT s = Px(p.source);
            StretchBlt(dc, l, t, r - l, b - t, skin, s.left, s.top, s.right - s.left, s.bottom - s.top,
                       SRCCOPY);
        }
        SelectObject(skin, old);
        DeleteDC(skin);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TitleTextColor);
    HGDIOBJ oldFont = SelectObject(dc, GetFont(kThemeFonts.heading, dpi));
    std::wstring caption = Widen(Text());
    TextOutW(dc, Px(36), Px(9), caption.c_str(), int(caption.size()));
    SelectObject(dc, oldFont);
}

// The window's rectangle with its top corners rounded by a 9 x 9 ellipse and its bottom corners square.
void TFormMain::m_ApplyOutline() {
    SIZE size = WindowSize(hwnd);
    int w = size.cx, h = size.cy, m = h / 2;
    HRGN upper = CreateRoundRectRgn(0, 0, w + 1, m + 1, Px(9), Px(9));
    HRGN leftSquare = CreateRectRgn(0, m - Px(18), Px(18), m);
    HRGN rightSquare = CreateRectRgn(w - Px(18), m - Px(18), w, m);
    CombineRgn(upper, upper, leftSquare, RGN_OR);
    CombineRgn(upper, upper, rightSquare, RGN_OR);
    HRGN lower = CreateRoundRectRgn(0, m, w + 1, h + 1, 0, 0);
    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(outline, upper, lower, RGN_OR);
    for (HRGN r : {upper, leftSquare, rightSquare, lower}) DeleteObject(r);
    if (!SetWindowRgn(hwnd, outline, TRUE)) DeleteObject(outline);
}

void TFormMain::FormResize() {
    m_ApplyOutline();
    InvalidateRect(hwnd, nullptr, TRUE);
}

void TFormMain::FormMouseDown(MouseButton button, int, int y) {
    if (button == kLeftButton && WindowReady && y <= kTitleStripHeight) RequestWindowMove(hwnd);
}

void TFormMain::FormDblClick() {
    if (BtnMax.Visible())
        BtnMaxClick();
    else if (BtnRestore.Visible())
        BtnRestoreClick();
}

void TFormMain::m_GetWorkArea(RECT& area) { area = WorkAreaNear(FormMain ? FormMain->hwnd : nullptr); }

void TFormMain::BtnMaxClick() {
    GetWindowRect(hwnd, &SavedBounds);
    RECT area;
    m_GetWorkArea(area);
    area.left -= Px(2);
    area.top -= Px(2);
    area.right += Px(2);
    area.bottom -= Px(1);
    SetWindowPos(hwnd, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    BtnMax.Show(false);
    BtnRestore.Show(true);
    BtnMax.Invalidate();
    BtnRestore.Invalidate();
    WindowReady = false;
}

void TFormMain::BtnRestoreClick() {
    const RECT& b = SavedBounds;
    SetWindowPos(hwnd, nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    BtnMax.Show(true);
    BtnRestore.Show(false);
    BtnMax.Invalidate();
    BtnRestore.Invalidate();
    WindowReady = true;
}

void TFormMain::BtnMinClick() { ShowWindow(hwnd, SW_MINIMIZE); }

void TFormMain::BtnCloseClick() { PostMessageW(hwnd, WM_CLOSE, 0, 0); }

void TFormMain::MaintitleImageClick() {
    if (PopupMenu::Item* maximise = FrmMainMenu.Find("Maximize1")) maximise->enabled = WindowReady;
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    int frameHeight = (window.bottom - window.top) - (client.bottom - client.top);
    FrmMainMenu.Popup(window.left + Px(8), window.top + Px(kTitleStripHeight) + frameHeight,
                      PopupMenu::Align::kLeft);
}

bool TFormMain::FrameMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_NCHITTEST: {
            if (!WindowReady) return false;
            RECT window;
            GetWindowRect(hwnd, &window);
            int x = GET_X_LPARAM(lp) - window.left, y = GET_Y_LPARAM(lp) - window.top;
            int w = window.right - window.left, h = window.bottom - window.top;
            for (const Zone& z : kZones) {
                if (x >= Resolve(*this, z.left, w) && x < Resolve(*this, z.right, w) &&
                    y >= Resolve(*this, z.top, h) && y < Resolve(*this, z.bottom, h)) {
                    result = z.answer;
                    return true;
                }
            }
            return false;
        }
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lp);
            info->ptMinTrackSize = {Px(kSkinWidth), Px(kSkinHeight)};
            // The window's own size constraints come after and win.
            info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, Px(kMinWindowWidth));
            info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, Px(kMinWindowHeight));
            result = 0;
            return true;
        }
        case WM_WINDOWPOSCHANGING: {
            // A popup window gets no minimum tracking size from the system outside interactive
            // sizing, so the constraints are kept here for every resize.
            auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
            if (!(pos->flags & SWP_NOSIZE) && !IsIconic(hwnd)) {
                pos->cx = std::max(pos->cx, Px(kMinWindowWidth));
                pos->cy = std::max(pos->cy, Px(kMinWindowHeight));
            }
            return false;
        }
        case WM_ACTIVATEAPP:
            TitleTextColor = wp ? kTitleActive : kTitleInactive;
            InvalidateRect(hwnd, nullptr, TRUE);
            return false;
        case WM_SIZE:
            // A minimised window keeps its layout, so restoring it needs no second layout pass.
            if (wp == SIZE_MINIMIZED) {
                result = 0;
                return true;
            }
            FormResize();
            return false;  // the surface then lays out its anchored children
    }
    return false;
}
