#include "widgets/theme.h"

#include <tuple>

#include "platform/text.h"
#include "widgets/core/theme_archive.h"

namespace {
struct ColorKey {
    const char* key;
    COLORREF Theme::*field;
};
constexpr ColorKey kColorKeys[] = {
    {"pageBack", &Theme::pageBack},
    {"headerTop", &Theme::headerTop},
    {"headerBottom", &Theme::headerBottom},
    {"columnTop", &Theme::columnTop},
    {"columnBottom", &Theme::columnBottom},
    {"titleBarTop", &Theme::titleBarTop},
    {"titleBarBottom", &Theme::titleBarBottom},
    {"frame", &Theme::frame},
    {"frameDark", &Theme::frameDark},
    {"buttonTop", &Theme::buttonTop},
    {"buttonBottom", &Theme::buttonBottom},
    {"buttonHot", &Theme::buttonHot},
    {"buttonBorder", &Theme::buttonBorder},
    {"buttonText", &Theme::buttonText},
    {"disabledText", &Theme::disabledText},
    {"checkBorder", &Theme::checkBorder},
    {"checkMark", &Theme::checkMark},
    {"text", &Theme::text},
    {"grayText", &Theme::grayText},
    {"accent", &Theme::accent},
    {"titleText", &Theme::titleText},
    {"border", &Theme::border},
    {"menuBack", &Theme::menuBack},
    {"menuGutter", &Theme::menuGutter},
    {"menuText", &Theme::menuText},
    {"menuHot", &Theme::menuHot},
    {"menuHotText", &Theme::menuHotText},
    {"menuSeparator", &Theme::menuSeparator},
    {"menuBorder", &Theme::menuBorder},
    {"captionFace", &Theme::captionFace},
    {"captionBorder", &Theme::captionBorder},
    {"captionHot", &Theme::captionHot},
    {"captionPressed", &Theme::captionPressed},
    {"captionCloseHot", &Theme::captionCloseHot},
    {"captionGlyph", &Theme::captionGlyph},
    {"captionHotGlyph", &Theme::captionHotGlyph},
};
struct MetricKey {
    const char* key;
    int Theme::*field;
};
constexpr MetricKey kMetricKeys[] = {
    {"titleBarHeight", &Theme::titleBarHeight},
    {"menuItemHeight", &Theme::menuItemHeight},
    {"menuGutterWidth", &Theme::menuGutterWidth},
};

std::string ArchiveText(const std::string& themeName) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, Widen(themeName).c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

HBITMAP MakeBitmap(const ImageDescription& description) {
    RenderedImage pixels = RenderImage(description);
    if (pixels.width == 0) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), pixels.width, -pixels.height, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bmp && bits) memcpy(bits, pixels.bgr.data(), pixels.bgr.size());
    return bmp;
}

// Applies an archive, its base first; depth stops a theme that names itself as its base.
void Apply(Theme& theme, const std::string& name, int depth) {
    ThemeParseResult parsed = ParseThemeArchive(ArchiveText(name));
    if (!parsed.archive) return;
    const ThemeArchive& a = *parsed.archive;
    if (!a.base.empty() && depth < 4) Apply(theme, a.base, depth + 1);
    for (const ColorKey& k : kColorKeys)
        if (auto it = a.colors.find(k.key); it != a.colors.end())
            theme.*k.field = RGB(it->second.r, it->second.g, it->second.b);
    for (const MetricKey& k : kMetricKeys)
        if (auto it = a.metrics.find(k.key); it != a.metrics.end()) theme.*k.field = it->second;
    if (depth > 0) return;  // a base lends colours and metrics; its pictures stay with it
    for (const auto& [key, description] : a.images) theme.imageDescriptions[key] = description;
}

Theme Load(const std::string& name) {
    Theme theme;
    theme.name = name;
    Apply(theme, name, 0);
    return theme;
}
}  // namespace

// The descriptions are shapes, not pixels: drawn again at the window's scale they stay as sharp as at
// 96 dpi, where nothing is scaled at all.
HBITMAP Theme::Image(const std::string& key, int dpi) const {
    auto found = images.find({key, dpi});
    if (found != images.end()) return found->second;
    auto description = imageDescriptions.find(key);
    HBITMAP bmp =
        description == imageDescriptions.end()
            ? nullptr
            : MakeBitmap(dpi == 96 ? description->second : ScaleImage(description->second, dpi, 96));
    images[{key, dpi}] = bmp;
    return bmp;
}

const Theme& ThemeByName(const std::string& name) {
    static const Theme midsummer = Load("Midsummer");
    static const Theme mainfrom = Load("mainfrom");
    return name == "mainfrom" ? mainfrom : midsummer;
}

HFONT GetFont(const FontSpec& wanted, int dpi) {
    using Key = std::tuple<std::wstring, int, bool, bool, int>;
    static std::map<Key, HFONT> fonts;
    Key key{wanted.face, wanted.height, wanted.bold, wanted.underline, dpi};
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    HFONT font = CreateFontW(MulDiv(wanted.height, dpi, 96), 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL,
                             FALSE, wanted.underline, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, wanted.face);
    fonts.emplace(key, font);
    return font;
}

int TextWidthAt(const std::string& text, const FontSpec& font, int dpi) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetFont(font, dpi));
    std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &r, HBRUSH(GetStockObject(DC_BRUSH)));
}

void FillGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom, const RECT* only) {
    int h = r.bottom - r.top;
    if (h <= 0) return;
    RECT part = r;
    if (only && !IntersectRect(&part, &r, only)) return;
    for (int y = part.top - r.top; y < part.bottom - r.top; ++y) {
        auto mix = [&](int a, int b) { return a + (b - a) * y / (h > 1 ? h - 1 : 1); };
        RECT line{part.left, r.top + y, part.right, r.top + y + 1};
        FillSolid(dc, line,
                  RGB(mix(GetRValue(top), GetRValue(bottom)), mix(GetGValue(top), GetGValue(bottom)),
                      mix(GetBValue(top), GetBValue(bottom))));
    }
}

void FrameSolid(HDC dc, const RECT& r, COLORREF color, int width) {
    FillSolid(dc, {r.left, r.top, r.right, r.top + width}, color);
    FillSolid(dc, {r.left, r.bottom - width, r.right, r.bottom}, color);
    FillSolid(dc, {r.left, r.top + width, r.left + width, r.bottom - width}, color);
    FillSolid(dc, {r.right - width, r.top + width, r.right, r.bottom - width}, color);
}

void ThickLine(HDC dc, COLORREF color, int width, POINT a, POINT b) {
    HPEN pen = CreatePen(PS_SOLID, width, color);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
    SelectObject(dc, old);
    DeleteObject(pen);
}
