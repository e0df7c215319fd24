#pragma once
#include <string>

#include "widgets/button.h"
#include "widgets/form.h"
#include "widgets/label.h"
#include "widgets/list_view.h"
#include "widgets/panel.h"
#include "scan/scan_rows.h"
#include "widgets/core/sort_state.h"

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
    Label btmVersion, btmURL;
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
    void topHelpClick();
    void btmURLClick();
    void BtnMinClick();
    void BtnMaxClick();
    void BtnRestoreClick();
    void BtnCloseClick();

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
    Label delingLabel;
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
    // Scan view helpers (scan/): pending counters, status and rows reach the controls at most every
    // scanViewInterval.
    void ShowScanCounters();
    void ShowSelectCounters();
    void RefreshScanView();
    void PumpDuringScan();
    bool ServeScanRow(NMLVDISPINFOW& info);
    void ToggleScanRow(int row);
    uint64_t lastScanPump = 0, lastStatusShown = 0;
    uint64_t scanViewInterval = 200;  // milliseconds; 0 shows every folder and runs every pump
    bool scanCountersChanged = false;
    std::string scanStatus;  // the status not yet shown

    // ---- Options (settings/) ----
    Button gCheckRead, gCheckSystem, gCheckHide, gCheckZero;
    Button gRadioRecycle, gRadioPermanently;
    ListView ListViewExcludePath, ListViewFilterI, ListViewFilterE;
    Button suiButtonDefault, suiButtonSave;
    void suiButtonDefaultClick();
    void suiButtonSaveClick();

    // ---- Other Clean (otherclean/) ----
    Panel suiPanelWait;
    Label waitLine1, waitLine2;
    void m_OTShow(int area);

protected:
    bool FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void CreateShell();
    void CreateDriveCleanPage();
    void CreateResultsPage();
    void CreateOptionsPage();
    void CreateOtherCleanPage();
    void PaintTitleStrip(HDC dc, const RECT& client);
};

// The one main window of the program.
extern TFormMain* FormMain;

// The window's caption and the message boxes' caption.
inline const char* const kAppTitle = "Kestrune Disk Cleaner";
