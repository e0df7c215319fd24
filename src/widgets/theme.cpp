#include "widgets/theme.h"

#include <map>
#include <tuple>

namespace {
Theme Midsummer() {
    return Theme{
        .name = "Midsummer",
        .pageBack = RGB(255, 255, 255),
        .headerTop = RGB(46, 125, 82),
        .headerBottom = RGB(28, 92, 58),
        .columnTop = RGB(40, 110, 72),
        .columnBottom = RGB(24, 78, 50),
        .titleBarTop = RGB(236, 244, 238),
        .titleBarBottom = RGB(206, 226, 212),
        .frame = RGB(34, 96, 62),
        .frameDark = RGB(20, 60, 38),
        .buttonTop = RGB(250, 252, 250),
        .buttonBottom = RGB(218, 232, 222),
        .buttonHot = RGB(232, 246, 236),
        .buttonBorder = RGB(92, 140, 108),
        .buttonText = RGB(24, 40, 30),
        .disabledText = RGB(160, 168, 162),
        .checkBorder = RGB(92, 140, 108),
        .checkMark = RGB(30, 120, 64),
        .text = RGB(0, 0, 0),
        .grayText = RGB(96, 96, 96),
        .accent = RGB(255, 102, 0),
    };
}

Theme MainFrom() {
    Theme t = Midsummer();
    t.name = "mainfrom";
    t.titleBarTop = RGB(58, 138, 92);
    t.titleBarBottom = RGB(32, 98, 62);
    return t;
}
}  // namespace

const Theme& ThemeByName(const std::string& name) {
    static const Theme midsummer = Midsummer();
    static const Theme mainfrom = MainFrom();
    return name == "mainfrom" ? mainfrom : midsummer;
}

HFONT GetFont(const FontSpec& spec) {
    using Key = std::tuple<std::wstring, int, bool, bool>;
    static std::map<Key, HFONT> fonts;
    Key key{spec.face, spec.height, spec.bold, spec.underline};
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    HFONT font = CreateFontW(spec.height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, FALSE, spec.underline, FALSE,
                             GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, spec.face);
    fonts.emplace(key, font);
    return font;
}

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &r, HBRUSH(GetStockObject(DC_BRUSH)));
}

void FillGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
    int h = r.bottom - r.top;
    if (h <= 0) return;
    for (int y = 0; y < h; ++y) {
        auto mix = [&](int a, int b) { return a + (b - a) * y / (h > 1 ? h - 1 : 1); };
        RECT line{r.left, r.top + y, r.right, r.top + y + 1};
        FillSolid(dc, line,
                  RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
                      mix(GetBValue(top), GetBValue(bottom))));
    }
}
