#include "widgets/label.h"

#include <oleacc.h>

#include "platform/text.h"
#include "widgets/keyboard.h"

void Label::Create(Widget& parent, const Caption& text, int x, int y, int w, int h, Style s) {
    style = s;
    CreateChild(parent, L"STATIC", text, SS_OWNERDRAW | SS_NOTIFY | WS_VISIBLE, x, y, w, h);
}

void Label::SetColor(COLORREF color) {
    style.color = color;
    Invalidate();
}

void Label::SetFont(const FontSpec& font) {
    style.font = font;
    Invalidate();
}

int Label::TextWidth(const std::string& text) const { return Logical(TextWidthAt(text, style.font, dpi)); }

bool Label::HandleDrawItem(const DRAWITEMSTRUCT& item) {
    RECT r = item.rcItem;
    HDC dc = item.hDC;
    PaintBackground(dc, r);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(hwnd) ? style.color : MainTheme().disabledText);
    HGDIOBJ old = SelectObject(dc, GetFont(style.font, dpi));
    std::wstring text = Widen(Text());
    UINT flags = style.align | DT_NOPREFIX | (style.wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, text.c_str(), -1, &r, flags);
    if (GetFocus() == hwnd && KeyboardCuesShown(hwnd)) {
        RECT cue = r;
        DrawTextW(dc, text.c_str(), -1, &cue, flags | DT_CALCRECT);
        if (style.align == DT_RIGHT) OffsetRect(&cue, r.right - cue.right, 0);
        if (style.align == DT_CENTER) OffsetRect(&cue, (r.right - cue.right) / 2, 0);
        InflateRect(&cue, Px(1), 0);
        IntersectRect(&cue, &cue, &item.rcItem);
        DrawFocusRect(dc, &cue);
    }
    SelectObject(dc, old);
    return true;
}

bool Label::Activate() {
    if (!TabStop() || !Enabled()) return false;
    HandleCommand(STN_CLICKED);
    return true;
}

long Label::AccRole() const { return TabStop() ? ROLE_SYSTEM_LINK : ROLE_SYSTEM_STATICTEXT; }

long Label::AccState() const {
    long state = Widget::AccState();
    if (TabStop()) state |= STATE_SYSTEM_LINKED;
    return state;
}

LRESULT Label::OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
    if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) Invalidate();
    return Widget::OnSubclassMessage(msg, wp, lp, handled);
}

void Picture::Create(Widget& parent, int x, int y, int w, int h, std::function<void(HDC, const RECT&)> paint,
                     const Caption& text) {
    painter = std::move(paint);
    CreateChild(parent, L"STATIC", text, SS_OWNERDRAW | SS_NOTIFY | WS_VISIBLE, x, y, w, h);
}

bool Picture::HandleDrawItem(const DRAWITEMSTRUCT& item) {
    PaintBackground(item.hDC, item.rcItem);
    PaintLogical(item.hDC, item.rcItem, painter);
    return true;
}
