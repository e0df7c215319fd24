#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <utility>

#include "widgets/core/theme_archive.h"
#include "widgets/dpi.h"

// A font of the 96-dpi design: height in logical pixels (negative: the character height).
struct FontSpec {
    const wchar_t* face = L"Tahoma";
    int height = -11;
    bool bold = false;
    bool underline = false;
};

// The fonts the pages and dialogs use, by what they are for; each is made once per DPI (GetFont).
struct ThemeFonts {
    FontSpec text{.face = L"Tahoma", .height = -11};                // lists, buttons, small labels
    FontSpec bold{.face = L"Tahoma", .height = -11, .bold = true};  // menu entries, counters, captions
    FontSpec boldHover{.face = L"Tahoma", .height = -11, .bold = true, .underline = true};
    FontSpec body{.face = L"Tahoma", .height = -12};                   // dialogs, tabs, edit boxes, hints
    FontSpec heading{.face = L"Tahoma", .height = -12, .bold = true};  // page headings, window caption
    FontSpec pageTitle{.face = L"Tahoma", .height = -16, .bold = true};
    FontSpec intro{.face = L"Georgia", .height = -11};          // the drive page's introduction
    FontSpec classic{.face = L"MS Sans Serif", .height = -12};  // the date line
    FontSpec classicBold{.face = L"MS Sans Serif", .height = -12, .bold = true};  // Help, About
    FontSpec classicBoldHover{.face = L"MS Sans Serif", .height = -12, .bold = true, .underline = true};
    FontSpec link{.face = L"MS Sans Serif", .height = -12, .underline = true};
    FontSpec title{.face = L"MS Sans Serif", .height = -17, .bold = true};  // the header's title
};

inline constexpr ThemeFonts kThemeFonts{};

// The look of the skinned controls. Two built-in themes exist: "Midsummer" for the main window and
// its pages, "mainfrom" for the title bars of the About box and the small dialogs. Both are archives
// (widgets/core/theme_archive.h) embedded as RCDATA resources named after the theme and read once, at
// first use; a colour an archive lacks keeps the neutral value below.
struct Theme {
    std::string name;
    COLORREF pageBack = RGB(255, 255, 255);  // page panels
    COLORREF headerTop = RGB(128, 128, 128), headerBottom = RGB(96, 96, 96);
    COLORREF columnTop = RGB(128, 128, 128),
             columnBottom = RGB(96, 96, 96);  // left column, bottom-left panel
    COLORREF titleBarTop = RGB(240, 240, 240), titleBarBottom = RGB(212, 212, 212);
    COLORREF frame = RGB(112, 112, 112), frameDark = RGB(64, 64, 64);
    COLORREF buttonTop = RGB(250, 250, 250), buttonBottom = RGB(220, 220, 220),
             buttonHot = RGB(235, 235, 235);
    COLORREF buttonBorder = RGB(128, 128, 128), buttonText = RGB(0, 0, 0), disabledText = RGB(160, 160, 160);
    COLORREF checkBorder = RGB(128, 128, 128), checkMark = RGB(0, 0, 0);
    COLORREF text = RGB(0, 0, 0), grayText = RGB(96, 96, 96), accent = RGB(255, 102, 0);
    COLORREF titleText = RGB(0, 0, 0), border = RGB(0, 0, 0);  // dialog title bar and outline
    COLORREF menuBack = RGB(255, 255, 255), menuGutter = RGB(236, 236, 236), menuText = RGB(0, 0, 0);
    COLORREF menuHot = RGB(96, 96, 96), menuHotText = RGB(255, 255, 255), menuSeparator = RGB(200, 200, 200);
    COLORREF menuBorder = RGB(128, 128, 128);
    COLORREF captionFace = RGB(230, 230, 230), captionBorder = RGB(160, 160, 160);
    COLORREF captionHot = RGB(128, 128, 128), captionPressed = RGB(80, 80, 80);
    COLORREF captionCloseHot = RGB(210, 70, 60), captionGlyph = RGB(0, 0, 0),
             captionHotGlyph = RGB(255, 255, 255);
    int titleBarHeight = 24, menuItemHeight = 22, menuGutterWidth = 24;  // logical pixels
    // Bitmaps drawn from the archive's image descriptions (24-bit), by key, e.g. "skin"; at a scale above
    // 100 % the description is drawn again at that scale, once, so the art stays sharp.
    HBITMAP Image(const std::string& key, int dpi = kDesignDpi) const;
    std::map<std::string, ImageDescription> imageDescriptions;
    mutable std::map<std::pair<std::string, int>, HBITMAP> images;
};

const Theme& ThemeByName(const std::string& name);
inline const Theme& MainTheme() { return ThemeByName("Midsummer"); }
inline const Theme& DialogTheme() { return ThemeByName("mainfrom"); }

// Fonts are created once per description and DPI and live for the program's run; GB2312 in either
// language, so Chinese captions and Chinese names in the lists (user data) render.
HFONT GetFont(const FontSpec& wanted, int dpi);
// How wide a text is in a font at a DPI, in device pixels.
int TextWidthAt(const std::string& text, const FontSpec& font, int dpi);

// A vertical gradient over r; with `only`, just the part of it inside that rectangle (a control asking
// for the background behind itself), in the same colours.
void FillGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom, const RECT* only = nullptr);
void FillSolid(HDC dc, const RECT& r, COLORREF color);
void ThickLine(HDC dc, COLORREF color, int width, POINT a, POINT b);
// A rectangle's outline drawn inside it, `width` device pixels thick.
void FrameSolid(HDC dc, const RECT& r, COLORREF color, int width);
