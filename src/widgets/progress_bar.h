#pragma once
#include "widgets/widget.h"

// A comctl32 progress bar painted in the theme's colours with its percentage as caption. It keeps
// answering PBM_GETPOS and PBM_GETRANGE, so UI automation reads it as an ordinary progress bar.
class ProgressBar : public Widget {
  public:
    void Create(Widget& parent, int x, int y, int w, int h);
    void SetMax(int max);
    int Max() const;
    void SetPosition(int position);
    int Position() const;

  protected:
    LRESULT OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

  private:
    void Paint(HDC dc);
};
