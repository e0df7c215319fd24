#include "widgets/progress_bar.h"

#include <string>

#include "widgets/theme.h"

void ProgressBar::Create(Widget& parent, int x, int y, int w, int h) {
    CreateChild(parent, PROGRESS_CLASSW, "", WS_VISIBLE, x, y, w, h);
    SendMessageW(hwnd, PBM_SETRANGE32, 0, 0);
}

void ProgressBar::SetMax(int max) {
    SendMessageW(hwnd, PBM_SETRANGE32, 0, max);
    Invalidate();
}

int ProgressBar::Max() const { return int(SendMessageW(hwnd, PBM_GETRANGE, FALSE, 0)); }

void ProgressBar::SetPosition(int position) {
    SendMessageW(hwnd, PBM_SETPOS, position, 0);
    Invalidate();
}

int ProgressBar::Position() const { return int(SendMessageW(hwnd, PBM_GETPOS, 0, 0)); }

LRESULT ProgressBar::OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    if (msg == WM_ERASEBKGND) {
        handled = true;
        return TRUE;
    }
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(dc);
        EndPaint(hwnd, &ps);
        handled = true;
        return 0;
    }
    if (msg == WM_PRINTCLIENT) {  // drawing into a caller's DC (PrintWindow, AnimateWindow)
        Paint(HDC(wp));
        handled = true;
        return 0;
    }
    return Widget::OnSubclassMessage(msg, wp, lp, handled);
}

void ProgressBar::Paint(HDC dc) {
    const Theme& t = MainTheme();
    RECT all;
    GetClientRect(hwnd, &all);
    FillSolid(dc, all, RGB(255, 255, 255));
    int max = Max(), position = Position();
    int percent = max > 0 ? position * 100 / max : 0;
    RECT done = all;
    InflateRect(&done, -Px(1), -Px(1));
    done.right = done.left + (done.right - done.left) * percent / 100;
    if (done.right > done.left) FillGradient(dc, done, t.columnTop, t.checkMark);
    FrameSolid(dc, all, t.buttonBorder, Px(1));

    // The caption is drawn twice: in the bar colour over the white part and in white over the
    // filled part, so every glyph, even one the fill edge cuts through, stands out from what lies
    // under it.
    std::wstring caption = std::to_wstring(percent) + L"%";
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, GetFont(kThemeFonts.bold, dpi));
    auto drawClipped = [&](COLORREF color, int left, int right) {
        if (right <= left) return;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, left, all.top, right, all.bottom);
        SetTextColor(dc, color);
        DrawTextW(dc, caption.c_str(), -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        RestoreDC(dc, saved);
    };
    const int fillEdge = done.right > done.left ? done.right : all.left;
    drawClipped(t.checkMark, fillEdge, all.right);
    drawClipped(RGB(255, 255, 255), all.left, fillEdge);
    SelectObject(dc, oldFont);
}
