#pragma once
#include "widgets/widget.h"

// A single-line EDIT window; its window text is its content.
class EditBox : public Widget {
  public:
    void Create(Widget& parent, int x, int y, int w, int h);
    std::function<void()> onChange;
    bool HandleCommand(WORD code) override;

  protected:
    void OnDpiChanged(int oldDpi = 0) override;
};
