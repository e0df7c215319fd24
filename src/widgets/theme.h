#pragma once
#include <windows.h>

#include <map>
#include <string>

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
    int titleBarHeight = 24, menuItemHeight = 22, menuGutterWidth = 24;
    // Bitmaps drawn at start from the archive's image descriptions (24-bit), by key; e.g. "skin".
    std::map<std::string, HBITMAP> images;
    HBITMAP Image(const std::string& key) const;
};

const Theme& ThemeByName(const std::string& name);
inline const Theme& MainTheme() { return ThemeByName("Midsummer"); }
inline const Theme& DialogTheme() { return ThemeByName("mainfrom"); }

struct FontSpec {
    const wchar_t* face = L"Tahoma";
    int height = -11;
    bool bold = false;
    bool underline = false;
};
// Fonts are created once per description and live for the program's run; GB2312 so Chinese captions render.
HFONT GetFont(const FontSpec& wanted);

void FillGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom);
void FillSolid(HDC dc, const RECT& r, COLORREF color);
void ThickLine(HDC dc, COLORREF color, int width, POINT a, POINT b);
