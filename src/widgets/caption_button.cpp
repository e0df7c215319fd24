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

// The picture of one glyph in one state, drawn once per device size over the theme's strip colour; a
// larger picture is the same shapes at that scale, never the small one stretched.
HBITMAP Picture(CaptionGlyph glyph, int state, const Theme& t, COLORREF back, int width, int height) {
    using Key = std::tuple<const Theme*, CaptionGlyph, int, COLORREF, int, int>;
    static std::map<Key, HBITMAP> pictures;
    Key key{&t, glyph, state, back, width, height};
    if (auto it = pictures.find(key); it != pictures.end()) return it->second;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    FillSolid(mem, {0, 0, width, height}, back);
    if (width != kCaptionButtonWidth || height != kCaptionButtonHeight) {
        SetGraphicsMode(mem, GM_ADVANCED);
        XFORM scale{float(width) / kCaptionButtonWidth, 0, 0, float(height) / kCaptionButtonHeight, 0, 0};
        SetWorldTransform(mem, &scale);
    }
    RECT r{0, 0, kCaptionButtonWidth, kCaptionButtonHeight};
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
    // The button paints in logical pixels; the picture goes to the device pixels they cover.
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    LPtoDP(dc, corners, 2);
    const int w = corners[1].x - corners[0].x, h = corners[1].y - corners[0].y;
    HBITMAP picture = Picture(glyph, pressed ? 2 : hot ? 1 : 0, t, back, w, h);
    const int saved = SaveDC(dc);
    if (GetGraphicsMode(dc) == GM_ADVANCED) ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, picture);
    BitBlt(dc, corners[0].x, corners[0].y, w, h, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    RestoreDC(dc, saved);
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
    static const UiText kGlyphNames[] = {UiText::kCaptionButtonMinimize, UiText::kCaptionButtonMaximize,
                                         UiText::kCaptionButtonRestore, UiText::kCaptionButtonClose};
    button.accessibleName = [glyph] { return std::string(UiString(kGlyphNames[int(glyph)])); };
    // Caption buttons are worked by the mouse, as a system title bar's are; Tab skips them.
    SetWindowLongW(button.hwnd, GWL_STYLE, GetWindowLongW(button.hwnd, GWL_STYLE) & ~WS_TABSTOP);
}
