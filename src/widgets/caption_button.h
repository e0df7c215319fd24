#pragma once
#include "widgets/button.h"
#include "widgets/theme.h"

// The image buttons of title strips and dialog title bars: minimise, maximise, restore and close, each
// a 28 x 15 picture (logical pixels) in three states (normal, mouse over, pressed) drawn once per theme
// and size from its colours.
enum class CaptionGlyph { kMinimise, kMaximise, kRestore, kClose };
constexpr int kCaptionButtonWidth = 28, kCaptionButtonHeight = 15;

void PaintCaptionButton(HDC dc, const RECT& r, CaptionGlyph glyph, bool hot, bool pressed,
                        const Theme& theme);

// Creates an image button that shows the glyph's pictures.
void CreateCaptionButton(Button& button, Widget& parent, const std::string& name, int x, int y,
                         CaptionGlyph glyph, const Theme& theme);
