#pragma once
#include <cstdint>
#include <string>
#include <unordered_set>

#include "shared/page_host.h"
#include "widgets/button.h"
#include "widgets/label.h"
#include "widgets/panel.h"

// The Other Clean page: six system areas, each with its tick box, an open button and its size, and
// the Clean button that empties the ticked ones.
class OtherCleanPage {
  public:
    // Fills suiPanelOtherClean, which the shell has made.
    void Create(const PageHost& host);
    // Measures every area behind the wait panel, with the busy cursor: the page's look when it is chosen.
    void ShowAreaSizes();

    Panel suiPanelOtherClean;
    Panel suiPanelWait;
    Label waitLine1, waitLine2;
    Label otherHintLine1, otherHintLine2;
    Button otherHintIcon;  // the folder icon inside the second hint line; it does nothing
    Panel otherCleanFrame;
    Button OCCheckBox1, OCCheckBox2, OCCheckBox3, OCCheckBox4, OCCheckBox5, OCCheckBox6;
    Label OTLabel1, OTLabel2, OTLabel3, OTLabel4, OTLabel5, OTLabel6;
    Button OTBtn1, OTBtn2, OTBtn3, OTBtn4, OTBtn5, OTBtn6;
    Button suiButtonClean;
    // Area totals, index 1..6: bytes for areas 1 to 5, kilobytes for the cookies.
    int64_t AreaTotal[7] = {};
    bool OnlyLeftovers = false;      // areas 2 and 3: no file but the recorded leftovers seen yet
    bool HistoryHasEntries = false;  // area 4: an index file with content past its header seen
    std::unordered_set<std::wstring> AreaLeftovers;
    // The size of one area (1 to 6), or of all of them (kAllAreas).
    static constexpr int kAllAreas = 9;
    void m_OTShow(int area);
    void m_GetSize(int area, const std::string& folder);
    void m_GetCookie();
    void suiButtonCleanClick();
    void OTBtn1Click();
    void OTBtn4Click();
    void OTBtn5Click();
    void OTBtn6Click();

  private:
    void PlaceHintIcon();
    PageHost host_;
};
