#pragma once
#include <cstdint>
#include <string>
#include <unordered_set>

#include "scan/scan_rows.h"
#include "settings/list_sorting.h"
#include "widgets/button.h"
#include "widgets/core/sort_state.h"
#include "widgets/form.h"
#include "widgets/label.h"
#include "widgets/link_label.h"
#include "widgets/list_view.h"
#include "widgets/page_control.h"
#include "widgets/panel.h"
#include "widgets/popup_menu.h"
#include "widgets/progress_bar.h"

// The main window: header, left menu, page title bar and the four page panels. Each page's controls
// and handlers are defined in its subsystem's folder; this class only gathers them.
class TFormMain : public Form {
  public:
    enum MenuMode { kHover, kNormal, kSelect };

    // Creates the window and runs its start-up; the window is shown by the caller.
    void FormCreate();
    void FormShow();
    void FormClose();

    // ---- shell: header, left column, page title bar (app/) ----
    Picture MaintitleImage;
    Button BtnMin, BtnMax, BtnRestore, BtnClose;
    Panel topMain;
    Picture topLogo;
    Label topTitle2, topTitle, topHelp;
    Panel suiImagePanel3;
    Label lblDate;
    Label LeftMenu1, LeftMenu2, LeftMenu3;
    Picture Image10, Image11, Image12;
    Label DesLabel1, DesLabel2, DesLabel3;
    Panel suiImagePanel2;
    Label btmVersion;
    LinkLabel btmURL;
    Panel suiImagePanel4;
    Picture TitleIm1, TitleIm2, TitleIm3;
    Label lblOptionTitle;
    Panel suiPanelClean, suiPanelClean1, suiPanelOptions, suiPanelOtherClean;

    void m_SetMenuLabel(Label& label, MenuMode mode);
    void m_MouseML(int menu, int entering);
    void LeftMenu1Click();
    void LeftMenu2Click();
    void LeftMenu3Click();
    void LeftMenu1MouseMove();
    void LeftMenu2MouseMove();
    void LeftMenu3MouseMove();
    void LeftMenu1MouseLeave();
    void LeftMenu2MouseLeave();
    void LeftMenu3MouseLeave();
    void topHelpMouseMove();
    void topHelpMouseLeave();

    // ---- shell: window frame and help menu (app/window_frame.cpp, app/help_menu.cpp) ----
    HBITMAP ImageDi = nullptr;  // the 710 x 540 skin bitmap the frame is cut from; owned by the theme
    PopupMenu FrmMainMenu, menuHelp;
    void FormPaint(HDC dc);
    void FormResize();
    void FormMouseDown(MouseButton button, int x, int y);
    void FormDblClick();
    void m_ApplyOutline();
    void m_GetWorkArea(RECT& area);
    void BtnMinClick();
    void BtnMaxClick();
    void BtnRestoreClick();
    void BtnCloseClick();
    void MaintitleImageClick();
    void topHelpClick();
    void menuHelp1Click();
    void menuHelp2Click();
    void menuHelp3Click();

    // ---- Drive Clean: drive list (scan/) ----
    Panel driveInnerPanel, suiPanel2;
    Label driveLine1, driveLine2, driveLine3;
    Picture driveSeparator1, driveSeparator2, driveSeparator3, drivePicture;
    ListView ListViewDrive;
    Button suiButtonScan;
    void ListViewDriveMouseDown(MouseButton button, int x, int y);
    void ListViewDriveCustomDrawItem(NMLVCUSTOMDRAW& draw);

    // ---- Drive Clean: scan and results (scan/) ----
    Button SCheckBoxAll, SCheckBoxAllN;
    ListView ListViewScan;
    Label LabelTotalCount, LabelTotalSize, LabelSelectCount, LabelSelectSize, LabelStatus;
    Button suiButtonBack, suiButtonPause, suiButtonDelete;
    Panel suiPanelDeling;
    Label delingLabel, delingProgressLabel;
    ProgressBar delingProgressBar;
    void suiButtonScanClick();
    void suiButtonPauseClick();
    void suiButtonDeleteClick();
    void suiButtonBackClick();
    void SCheckBoxAllClick();
    void SCheckBoxAllNClick();
    void ListViewScanMouseDown(MouseButton button, int x, int y);
    void ListViewScanColumnClick(int column);
    void m_InitScan();
    void StartScan();
    void AddFoundFile(const WIN32_FIND_DATAW& entry, const std::wstring& folder);
    // The rows behind the owner-data ListViewScan, and its sort state.
    ScanRows scanRows;
    ListSortState scanSort{4};
    // True while the Scan or Delete handler runs; a close request meanwhile is finished after it.
    bool longWorkRunning = false;
    bool closeRequested = false;
    // True while the Delete handler runs: the window answers, but the pages stay as they are.
    bool deleting = false;
    // Scan view helpers (scan/): pending counters, status and rows reach the controls at most every
    // scanViewInterval.
    void ShowScanCounters();
    void ShowSelectCounters();
    void RefreshScanView();
    void PumpDuringScan();
    bool ServeScanRow(NMLVDISPINFOW& info);
    void ToggleScanRow(int row);
    // The deletion's view: how far it has come, shown at most every deleteViewInterval.
    void ShowDeleteProgress(size_t done, size_t total);
    uint64_t lastDeletePump = 0;
    uint64_t deleteViewInterval = 100;  // milliseconds
    uint64_t lastScanPump = 0, lastStatusShown = 0;
    uint64_t scanViewInterval = 200;  // milliseconds; 0 shows every folder and runs every pump
    bool scanCountersChanged = false;
    std::string scanStatus;  // the status not yet shown

    // ---- Options (settings/) ----
    PageControl suiPage;
    Panel suiTabSheetGeneral, suiTabSheetExcludePath, suiTabSheetFilterI, suiTabSheetFilterE;
    Panel suiGroupScanOptions, suiGroupCleanOptions;
    Button gCheckRead, gCheckSystem, gCheckHide, gCheckZero;
    Button gRadioRecycle, gRadioPermanently;
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

    // ---- Other Clean (otherclean/) ----
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
    void m_OTShow(int area);
    void m_GetSize(int area, const std::string& folder);
    void m_GetCookie();
    void suiButtonCleanClick();
    void OTBtn1Click();
    void OTBtn4Click();
    void OTBtn5Click();
    void OTBtn6Click();

  protected:
    bool FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

  private:
    void CreateShell();
    void CreateDriveCleanPage();
    void CreateResultsPage();
    void CreateOptionsPage();
    void WireOptionsPage();
    void CreateOtherCleanPage();
    void CreateFrame();
    bool FrameMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
};

// The one main window of the program.
extern TFormMain* FormMain;

// The window's caption and the message boxes' caption.
inline const char* const kAppTitle = "Kestrune Disk Cleaner";
