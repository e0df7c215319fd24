#pragma once
#include <string>
#include <vector>

#include "widgets/panel.h"
#include "widgets/widget.h"

// A tabbed page control (SysTabControl32): each tab shows one sheet, a panel that lies over the tab
// control's display area and holds that page's controls.
class PageControl : public Widget {
  public:
    void Create(Widget& parent, int x, int y, int w, int h);
    // Adds a tab with its sheet; the sheet is created here and its controls are created on it afterwards.
    void AddSheet(Panel& sheet, const Caption& caption);
    int PageCount() const;
    std::string PageCaption(int page) const;
    int ActivePage() const;
    void SetActivePage(int page);
    // The next tab, or the previous one, wrapping (Ctrl+Tab and Ctrl+Shift+Tab); a focus inside the
    // sheet that hides moves to the tabs.
    void SelectNext(bool backwards);
    bool HandleNotify(NMHDR* header, LRESULT& result) override;

  protected:
    void OnDpiChanged(int oldDpi = 0) override;
    void OnLanguageChanged() override;
    LRESULT OnSubclassMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

  private:
    RECT SheetArea() const;
    void ShowActiveSheet();
    std::vector<Panel*> sheets_;
    std::vector<Caption> captions_;
};
