#include "widgets/caption_button.h"

#include <map>
#include <tuple>

#include "widgets/theme.h"

namespace {
void DrawGlyph(HDC dc, const RECT& r, CaptionGlyph glyph, bool hot, bool pressed, const Theme& t) {
    COLORREF face = pressed ? t.captionPressed
                    : hot   ? (glyph == CaptionGlyph::kClose ? t.captionCloseHot : t.captionHot)
                            : t.captionFace;
    COLORREF ink = hot || pressed ? t.captionHotGlyph : t.captionGlyph;
    SetDCBrushColor(dc, face);
    SetDCPenColor(dc, hot || pressed ? face : t.captionBorder);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 5, 5);
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    SetDCPenColor(dc, ink);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    switch (glyph) {
        case CaptionGlyph::kMinimise:
            ThickLine(dc, ink, 2, {cx - 4, cy + 3}, {cx + 4, cy + 3});
            break;
        case CaptionGlyph::kMaximise:
            Rectangle(dc, cx - 4, cy - 4, cx + 5, cy + 5);
            ThickLine(dc, ink, 1, {cx - 4, cy - 3}, {cx + 5, cy - 3});
            break;
        case CaptionGlyph::kRestore:
            Rectangle(dc, cx - 2, cy - 5, cx + 5, cy + 2);
            SetDCBrushColor(dc, face);
            SelectObject(dc, GetStockObject(DC_BRUSH));
            Rectangle(dc, cx - 5, cy - 2, cx + 2, cy + 5);
            break;
        case CaptionGlyph::kClose:
            ThickLine(dc, ink, 2, {cx - 3, cy - 3}, {cx + 4, cy + 4});
            ThickLine(dc, ink, 2, {cx + 3, cy - 3}, {cx - 4, cy + 4});
            break;
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
}

// The picture of one glyph in one state, drawn once over the theme's strip colour.
HBITMAP Picture(CaptionGlyph glyph, int state, const Theme& t, COLORREF back) {
    using Key = std::tuple<const Theme*, CaptionGlyph, int, COLORREF>;
    static std::map<Key, HBITMAP> pictures;
    Key key{&t, glyph, state, back};
    if (auto it = pictures.find(key); it != pictures.end()) return it->second;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, kCaptionButtonWidth, kCaptionButtonHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    RECT r{0, 0, kCaptionButtonWidth, kCaptionButtonHeight};
    FillSolid(mem, r, back);
    DrawGlyph(mem, r, glyph, state == 1, state == 2, t);
    SelectObject(mem, old);
    DeleteDC(mem);
    pictures.emplace(key, bmp);
    return bmp;
}
}  // namespace

void PaintCaptionButton(HDC dc, const RECT& r, CaptionGlyph glyph, bool hot, bool pressed, const Theme& t) {
    COLORREF back = GetPixel(dc, r.left, r.top);
    if (back == CLR_INVALID) back = t.titleBarTop;
    HBITMAP picture = Picture(glyph, pressed ? 2 : hot ? 1 : 0, t, back);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, picture);
    StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, mem, 0, 0, kCaptionButtonWidth,
               kCaptionButtonHeight, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

void CreateCaptionButton(Button& button, Widget& parent, const std::string& name, int x, int y,
                         CaptionGlyph glyph, const Theme& theme) {
    const Theme* t = &theme;
    button.Create(
        parent, name, x, y, kCaptionButtonWidth, kCaptionButtonHeight,
        {.kind = Button::Kind::kImage, .image = [glyph, t](HDC dc, const RECT& r, bool hot, bool pressed) {
             PaintCaptionButton(dc, r, glyph, hot, pressed, *t);
         }});
    button.name = name;
    static const char* const kGlyphNames[] = {"最小化", "最大化", "还原", "关闭"};
    button.accessibleName = [glyph] { return std::string(kGlyphNames[int(glyph)]); };
    // Caption buttons are worked by the mouse, as a system title bar's are; Tab skips them.
    SetWindowLongW(button.hwnd, GWL_STYLE, GetWindowLongW(button.hwnd, GWL_STYLE) & ~WS_TABSTOP);
}
