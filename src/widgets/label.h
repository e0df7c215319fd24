#pragma once
#include "widgets/theme.h"
#include "widgets/widget.h"

// A STATIC window whose window text is its caption, drawn transparently over its parent.
class Label : public Widget {
  public:
    struct Style {
        FontSpec font = kThemeFonts.text;
        COLORREF color = RGB(0, 0, 0);
        UINT align = DT_LEFT;  // DT_LEFT, DT_CENTER or DT_RIGHT
        bool wordWrap = false;
    };
    void Create(Widget& parent, const Caption& text, int x, int y, int w, int h, Style style);
    void SetColor(COLORREF color);
    void SetFont(const FontSpec& font);
    // How wide a text is in this label's font, in logical pixels.
    int TextWidth(const std::string& text) const;
    bool HandleDrawItem(const DRAWITEMSTRUCT& item) override;
    // A label the user can act on (a menu entry, a link) is a tab stop; Enter and Space click it.
    bool Activate() override;
    long AccRole() const override;
    long AccState() const override;
    Style style;

  protected:
    LRESULT OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
};

// A picture drawn by the program (icons, separators, decorations); a STATIC window too.
class Picture : public Widget {
  public:
    std::function<void(HDC, const RECT&)> painter;
    void Create(Widget& parent, int x, int y, int w, int h, std::function<void(HDC, const RECT&)> paint,
                const Caption& text = "");
    bool HandleDrawItem(const DRAWITEMSTRUCT& item) override;
};
