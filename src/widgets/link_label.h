#pragma once
#include "widgets/label.h"

// A label that opens a target through the shell when clicked ("open" verb): a web address, a
// "mailto:" address. It shows the hand cursor and takes its hover colour while the mouse is over it.
class LinkLabel : public Label {
  public:
    struct LinkStyle {
        FontSpec font = kThemeFonts.link;
        COLORREF color = RGB(0, 0, 255);
        COLORREF hoverColor = RGB(255, 0, 0);
    };
    // A width of 0 sizes the label to its text.
    void Create(Widget& parent, const Caption& text, const std::string& target, int x, int y, int w, int h,
                LinkStyle style);
    std::string target;
    COLORREF linkColor = RGB(0, 0, 255), hoverColor = RGB(255, 0, 0);

    // Opens the target, trimmed of blanks, unless nothing is left; then the label's onClick runs.
    bool HandleCommand(WORD code) override;

  protected:
    LRESULT OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
    void OnDpiChanged(int oldDpi) override;  // a label as wide as its text is measured again
    void OnLanguageChanged() override;

  private:
    bool fitsText_ = false;
};
