#pragma once
#include "widgets/button.h"
#include "widgets/panel.h"

// The skinned title bar of a dialog, drawn from the "mainfrom" theme: the form's caption in the
// theme's bold font, an optional Close button that closes the form (as WM_CLOSE does), and dragging the form
// by the bar. Forms get one through Form::Options::titleBar.
class DialogTitleBar : public Panel {
  public:
    void Create(Widget& form, int width, bool closeButton);  // logical width
    void PaintBackground(HDC dc, const RECT& rect) override;
    Button closeButton;
};
