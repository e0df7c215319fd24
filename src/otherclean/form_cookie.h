#pragma once
#include <string>
#include <vector>

#include "widgets/button.h"
#include "widgets/core/sort_state.h"
#include "widgets/form.h"
#include "widgets/label.h"
#include "widgets/list_view.h"

// The cookie keep-list dialog: one row per cookie of the URL cache; ticked rows are kept by the
// cleaning run and not counted on the page. Save stores the ticked names in Config.ini.
class TformCookie : public Form {
  public:
    ~TformCookie() override;
    void FormCreate(HWND owner);
    void m_ListViewAdd4(ListView& list, const std::string& name, int state);
    void ListViewCookieFMouseDown(MouseButton button, int x, int y);
    void ListViewCookieFTickKey(int row);  // Space on the focused row: as a click on its tick box
    void ListViewCookieFColumnClick(int column);
    int ListViewCookieFCompare(int row1, int row2);  // rows by their index before the sort began
    void CCheckBoxAllClick();
    void CCheckBoxAllNClick();
    void CCheckBoxAllNDblClick();
    void suiButtonSaveClick();
    void suiButton1Click();

    Label Label1;
    ListView ListViewCookieF;
    Button suiButtonSave, suiButton1, CCheckBoxAll, CCheckBoxAllN;
    ListSortState sortState{2};

  private:
    // The rows' names and ticks as they were when a sort started, by their index before it.
    std::vector<std::string> sortNames_;
    std::vector<int> sortMarks_;
};

inline constexpr UiText kCookieNameCaption = UiText::kCookieColumnName;
