#pragma once
#include <windows.h>

#include "widgets/caption_button.h"

// Pictures of the main window drawn from shapes: the program icon, the logo, the menu and page-title
// icons. The caption buttons are the widget set's (widgets/caption_button.h).
void PaintAppIcon(HDC dc, const RECT& r);
void PaintLogo(HDC dc, const RECT& r);
void PaintPageIcon(HDC dc, const RECT& r, int page);  // 1 Drive Clean, 2 Options, 3 Other Clean
