#include "widgets/label.h"

#include "platform/text.h"

void Label::Create(Widget& parent, const std::string& text, int x, int y, int w, int h, Style s) {
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

bool Label::HandleDrawItem(const DRAWITEMSTRUCT& item) {
    RECT r = item.rcItem;
    HDC dc = item.hDC;
    PaintBackground(dc, r);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(hwnd) ? style.color : MainTheme().disabledText);
    HGDIOBJ old = SelectObject(dc, GetFont(style.font));
    std::wstring text = Widen(Text());
    UINT flags = style.align | DT_NOPREFIX | (style.wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, text.c_str(), -1, &r, flags);
    SelectObject(dc, old);
    return true;
}

void Picture::Create(Widget& parent, int x, int y, int w, int h, std::function<void(HDC, const RECT&)> paint,
                     const std::string& text) {
    painter = std::move(paint);
    CreateChild(parent, L"STATIC", text, SS_OWNERDRAW | SS_NOTIFY | WS_VISIBLE, x, y, w, h);
}

bool Picture::HandleDrawItem(const DRAWITEMSTRUCT& item) {
    PaintBackground(item.hDC, item.rcItem);
    if (painter) painter(item.hDC, item.rcItem);
    return true;
}
