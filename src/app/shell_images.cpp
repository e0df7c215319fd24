#include "app/shell_images.h"

#include <algorithm>

#include "widgets/theme.h"

namespace {
void Brush(HDC dc, COLORREF fill, COLORREF pen) {
    SetDCBrushColor(dc, fill);
    SetDCPenColor(dc, pen);
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SelectObject(dc, GetStockObject(DC_PEN));
}

// A broom over a disk: the program's mark.
void PaintMark(HDC dc, const RECT& r, COLORREF disk, COLORREF broom) {
    int w = r.right - r.left, h = r.bottom - r.top;
    Brush(dc, disk, RGB(255, 255, 255));
    Ellipse(dc, r.left + w / 10, r.top + h / 10, r.right - w / 10, r.bottom - h / 10);
    Brush(dc, RGB(255, 255, 255), RGB(255, 255, 255));
    Ellipse(dc, r.left + w * 2 / 5, r.top + h * 2 / 5, r.right - w * 2 / 5, r.bottom - h * 2 / 5);
    ThickLine(dc, broom, std::max(2, w / 10), {r.left + w * 3 / 4, r.top + h / 8},
              {r.left + w / 3, r.top + h * 2 / 3});
    POINT tail[] = {{r.left + w / 3 - w / 8, r.top + h * 2 / 3 - h / 10},
                    {r.left + w / 3 + w / 10, r.top + h * 2 / 3 + h / 10},
                    {r.left + w / 8, r.bottom - h / 12}};
    Brush(dc, broom, broom);
    Polygon(dc, tail, 3);
}
}  // namespace

void PaintAppIcon(HDC dc, const RECT& r) { PaintMark(dc, r, RGB(46, 125, 82), RGB(255, 170, 40)); }

void PaintLogo(HDC dc, const RECT& r) { PaintMark(dc, r, RGB(236, 244, 238), RGB(255, 140, 20)); }

void PaintPageIcon(HDC dc, const RECT& r, int page) {
    int w = r.right - r.left, h = r.bottom - r.top;
    const Theme& t = MainTheme();
    if (page == 1) {
        Brush(dc, RGB(120, 130, 140), RGB(70, 80, 90));
        RoundRect(dc, r.left + w / 8, r.top + h / 4, r.right - w / 8, r.bottom - h / 4, 5, 5);
        Brush(dc, RGB(90, 220, 120), RGB(90, 220, 120));
        Ellipse(dc, r.right - w / 3, r.top + h / 2 - 2, r.right - w / 3 + 4, r.top + h / 2 + 2);
    } else if (page == 2) {
        Brush(dc, RGB(140, 150, 160), RGB(80, 90, 100));
        Ellipse(dc, r.left + w / 8, r.top + h / 8, r.right - w / 8, r.bottom - h / 8);
        Brush(dc, RGB(255, 255, 255), RGB(80, 90, 100));
        Ellipse(dc, r.left + w * 3 / 8, r.top + h * 3 / 8, r.right - w * 3 / 8, r.bottom - h * 3 / 8);
    } else {
        Brush(dc, RGB(90, 160, 220), RGB(40, 100, 160));
        Rectangle(dc, r.left + w / 4, r.top + h / 3, r.right - w / 4, r.bottom - h / 10);
        Rectangle(dc, r.left + w / 6, r.top + h / 4, r.right - w / 6, r.top + h / 3 + 1);
        ThickLine(dc, t.frameDark, 1, {r.left + w / 2, r.top + h / 2}, {r.left + w / 2, r.bottom - h / 5});
    }
}
