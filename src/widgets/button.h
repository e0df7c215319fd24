#pragma once
#include "widgets/theme.h"
#include "widgets/widget.h"

// Owner-drawn BUTTON windows: they keep answering BM_CLICK, BM_GETCHECK and BM_SETCHECK, so screen
// readers and UI automation see ordinary buttons and check boxes.
class Button : public Widget {
  public:
    enum class Kind { kPush, kCheck, kRadio, kImage };
    struct Style {
        Kind kind = Kind::kPush;
        FontSpec font = kThemeFonts.text;
        COLORREF textColor = CLR_INVALID;  // the theme's
        bool autoCheck = true;             // a check box flips itself on a click
        // An image button draws itself: (dc, rect, hot, pressed), in logical pixels.
        std::function<void(HDC, const RECT&, bool, bool)> image;
    };
    void Create(Widget& parent, const Caption& text, int x, int y, int w, int h, Style style);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool HandleCommand(WORD code) override;
    bool HandleDrawItem(const DRAWITEMSTRUCT& item) override;
    // Enter, Space and the default action of assistive technology click the button as the mouse does.
    bool Activate() override;
    bool HandleKey(UINT vk) override;
    long AccRole() const override;
    long AccState() const override;
    Style style;

  protected:
    LRESULT OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

  private:
    bool checked_ = false;
    bool hot_ = false;
};
