#pragma once
#include <functional>

#include "widgets/theme.h"
#include "widgets/widget.h"

// A container: transparent, a solid colour, a vertical gradient, or a captioned frame; an optional
// painter draws pictures on top of the background (icons, separators, the skin's bitmaps).
class Panel : public Widget {
  public:
    enum class Fill { kTransparent, kSolid, kGradient, kFramed };
    struct Style {
        Fill fill = Fill::kTransparent;
        COLORREF color = RGB(255, 255, 255);
        COLORREF color2 = RGB(255, 255, 255);
        COLORREF border = CLR_INVALID;
        Caption caption;  // shown in the top strip of a framed panel
        FontSpec captionFont = kThemeFonts.bold;
        std::function<void(HDC, const RECT&)> painter;  // in logical pixels (PaintLogical)
    };

    // parent == nullptr only for a form's own surface.
    void Create(Widget& parent, int x, int y, int w, int h, Style style);
    void PaintBackground(HDC dc, const RECT& rect) override;
    Style style;

  protected:
    LRESULT OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    int width_ = 0, height_ = 0;
};
