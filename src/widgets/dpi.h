#pragma once
#include <windows.h>

// Pages and dialogs are laid out in the pixels of a 96-dpi screen. Each widget knows the DPI of its
// window and turns those logical pixels into the device pixels it creates, moves and draws with, so a
// window at 144 dpi is half as large again and every page keeps writing the same numbers.
constexpr int kDesignDpi = 96;
int SystemDpi();               // the DPI of the primary screen (all screens before Windows 10)
int WindowDpi(HWND hwnd);      // the DPI the window is shown at
int DpiAtPoint(POINT screen);  // the DPI of the monitor holding a point of the screen
inline int ScaleToDpi(int logical, int dpi) { return MulDiv(logical, dpi, kDesignDpi); }
