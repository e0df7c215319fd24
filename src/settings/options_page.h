#pragma once
#include "settings/list_sorting.h"
#include "shared/page_host.h"
#include "shared/scan_settings.h"
#include "widgets/button.h"
#include "widgets/core/sort_state.h"
#include "widgets/label.h"
#include "widgets/list_view.h"
#include "widgets/page_control.h"
#include "widgets/panel.h"

// The Options page: the general scan and delete options, the exclude paths and the include and
// exclude filters on four sheets, with Default and Save. Other pages read it only through
// CurrentScanSettings and DeleteToRecycleBin.
class OptionsPage {
  public:
    // Fills suiPanelOptions, which the shell has made.
    void Create(const PageHost& host);
    // Shows what Config.ini holds, or the defaults; called once at start-up.
    void LoadOptions();
    // The lists and the options as they stand, for a scan about to start; the drives are left to the
    // Drive Clean page.
    ScanSettings CurrentScanSettings() const;
    // The delete mode: the Recycle Bin, or permanently.
    bool DeleteToRecycleBin() const;
    // The language chosen on the General tab, saved or not.
    UiLanguage LanguageShown() const;
    void ShowLanguage(UiLanguage language);

    Panel suiPanelOptions;
    PageControl suiPage;
    Panel suiTabSheetGeneral, suiTabSheetExcludePath, suiTabSheetFilterI, suiTabSheetFilterE;
    Panel suiGroupScanOptions, suiGroupCleanOptions, suiGroupLanguage;
    Button gCheckRead, gCheckSystem, gCheckHide, gCheckZero;
    Button gRadioRecycle, gRadioPermanently;
    // The interface language; Save switches every window to it.
    Button gRadioChinese, gRadioEnglish;
    Picture gImageRecycle, gImagePermanently;
    ListView ListViewExcludePath, ListViewFilterI, ListViewFilterE;
    Button epButtonAdd, epButtonDel, ifButtonAdd, ifButtonDelete, efButtonAdd, efButtonDelete;
    Button OCheckBoxAll1, OCheckBoxAllN1, OCheckBoxAll2, OCheckBoxAllN2;
    Button suiButtonDefault, suiButtonSave;
    ListSortState ExcludePathSort{1}, FilterISort{4}, FilterESort{4};
    POINT m_ListPressPoint{-1, -1};  // the last press in any of the three lists
    void suiButtonDefaultClick();
    void suiButtonSaveClick();
    void epButtonAddClick();
    void epButtonDelClick();
    void ifButtonAddClick();
    void efButtonAddClick();
    void ifButtonDeleteClick();
    void efButtonDeleteClick();
    void ListViewFilterIMouseDown(MouseButton button, int x, int y);
    void ListViewFilterEMouseDown(MouseButton button, int x, int y);
    void ListViewExcludePathMouseDown(MouseButton button, int x, int y);
    void ListViewFilterIDblClick();
    void ListViewFilterEDblClick();
    void ListViewExcludePathDblClick();
    void ListViewExcludePathColumnClick(int column);
    void ListViewFilterIColumnClick(int column);
    void ListViewFilterEColumnClick(int column);
    int ListViewExcludePathCompare(const SortKey& a, const SortKey& b);
    int ListViewFilterICompare(const SortKey& a, const SortKey& b);
    int ListViewFilterECompare(const SortKey& a, const SortKey& b);
    void OCheckBoxAll1Click();
    void OCheckBoxAll2Click();
    void OCheckBoxAllN1Click();
    void OCheckBoxAllN2Click();
    // The keyboard: Space ticks the focused filter row as a click on its tick box does, Delete asks to
    // delete the focused row as a double click does, Ctrl+Tab and Ctrl+Shift+Tab switch the tabs.
    void ListViewFilterITickKey(int row);
    void ListViewFilterETickKey(int row);
    void ListViewExcludePathDeleteKey(int row);
    void ListViewFilterIDeleteKey(int row);
    void ListViewFilterEDeleteKey(int row);
    bool KeyPreview(UINT vk);

  private:
    void WireOptionsPage();
    PageHost host_;
};
