#pragma once
#include <windows.h>

// Frame geometry: the title strip, the skin bitmap and the size the window never goes below.
constexpr int kTitleStripHeight = 28;
constexpr int kSkinWidth = 710, kSkinHeight = 540;
constexpr int kMinWindowWidth = 717, kMinWindowHeight = 547;
constexpr COLORREF kTitleActive = RGB(60, 60, 60), kTitleInactive = RGB(128, 128, 128);
