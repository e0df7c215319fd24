#pragma once
#include <windows.h>

#include <string>

// The look of the skinned controls. Two built-in themes exist: "Midsummer" for the main window and
// its pages, "mainfrom" for the title bars of the small dialogs.
struct Theme {
    std::string name;
    COLORREF pageBack;          // page panels
    COLORREF headerTop, headerBottom;
    COLORREF columnTop, columnBottom;  // left column and bottom-left panel
    COLORREF titleBarTop, titleBarBottom;
    COLORREF frame, frameDark;
    COLORREF buttonTop, buttonBottom, buttonHot, buttonBorder, buttonText, disabledText;
    COLORREF checkBorder, checkMark;
    COLORREF text, grayText, accent;
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
// Fonts are created once per spec and live for the program's run; GB2312 so Chinese captions render.
HFONT GetFont(const FontSpec& spec);

void FillGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom);
void FillSolid(HDC dc, const RECT& r, COLORREF color);
