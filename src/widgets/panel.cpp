#include "widgets/panel.h"

#include "platform/text.h"

namespace {
const wchar_t* const kPanelClass = L"KdcPanel";

}  // namespace

void Panel::Create(Widget& parent, int x, int y, int w, int h, Style s) {
    RegisterContainerClass(kPanelClass);
    style = std::move(s);
    CreateChild(parent, kPanelClass, style.caption, WS_CLIPCHILDREN | WS_VISIBLE, x, y, w, h,
                WS_EX_CONTROLPARENT);
    width_ = Px(w);
    height_ = Px(h);
}

LRESULT Panel::OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    LRESULT result = Widget::OnSubclassMessage(msg, wp, lp, handled);
    if (handled) return result;
    handled = true;
    if (RouteChildMessage(msg, wp, lp, result)) return result;
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(hwnd, &r);
            PaintBackground(HDC(wp), r);
            return TRUE;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_SIZE: {
            int w = LOWORD(lp), h = HIWORD(lp);
            if ((width_ || height_) && !ChangingDpi()) LayoutChildren(width_, height_, w, h);
            width_ = w;
            height_ = h;
            // Transparent children show this panel's background, which a gradient changes everywhere.
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            if (onDblClick) onDblClick();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            SetBkMode(HDC(wp), TRANSPARENT);
            return LRESULT(GetStockObject(NULL_BRUSH));
    }
    handled = false;
    return 0;
}

void Panel::PaintBackground(HDC dc, const RECT& rect) {
    RECT all;
    GetClientRect(hwnd, &all);
    switch (style.fill) {
        case Fill::kTransparent:
            Widget::PaintBackground(dc, rect);
            break;
        case Fill::kSolid:
            FillSolid(dc, rect, style.color);
            break;
        case Fill::kGradient:
            FillGradient(dc, all, style.color, style.color2, &rect);
            break;
        case Fill::kFramed: {
            const Theme& t = MainTheme();
            FillSolid(dc, all, style.color);
            RECT strip{all.left, all.top, all.right, all.top + Px(20)};
            FillGradient(dc, strip, t.titleBarTop, t.titleBarBottom);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, t.text);
            HGDIOBJ old = SelectObject(dc, GetFont(style.captionFont, dpi));
            RECT text{strip.left + Px(6), strip.top, strip.right - Px(4), strip.bottom};
            std::wstring caption = Widen(style.caption.Text());
            DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
            SelectObject(dc, old);
            break;
        }
    }
    if (style.border != CLR_INVALID) FrameSolid(dc, all, style.border, Px(1));
    PaintLogical(dc, all, style.painter);
}
