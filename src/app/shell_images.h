#pragma once
#include <windows.h>

// Pictures of the main window drawn at start from shapes: the program icon, the logo, the menu and
// page-title icons and the caption buttons.
void PaintAppIcon(HDC dc, const RECT& r);
void PaintLogo(HDC dc, const RECT& r);
void PaintPageIcon(HDC dc, const RECT& r, int page);  // 1 Drive Clean, 2 Options, 3 Other Clean
enum class CaptionGlyph { kMinimise, kMaximise, kRestore, kClose };
void PaintCaptionButton(HDC dc, const RECT& r, CaptionGlyph glyph, bool hot, bool pressed);
