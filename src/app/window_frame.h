#pragma once
#include <windows.h>

// State of the main window's own frame. GUI thread only.
extern RECT SavedBounds;         // the window's bounds taken by Maximise, put back by Restore
extern COLORREF TitleTextColor;  // caption text of the title strip: dark while active, grey while not

// Frame geometry: the title strip, the skin bitmap and the size the window never goes below.
constexpr int kTitleStripHeight = 28;
constexpr int kSkinWidth = 710, kSkinHeight = 540;
constexpr int kMinWindowWidth = 717, kMinWindowHeight = 547;
constexpr COLORREF kTitleActive = RGB(60, 60, 60), kTitleInactive = RGB(128, 128, 128);
