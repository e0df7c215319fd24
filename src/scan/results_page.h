#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "scan/scan_engine.h"
#include "scan/scan_rows.h"
#include "shared/page_host.h"
#include "shared/scan_settings.h"
#include "widgets/button.h"
#include "widgets/core/sort_state.h"
#include "widgets/label.h"
#include "widgets/list_view.h"
#include "widgets/panel.h"
#include "widgets/popup_menu.h"
#include "widgets/progress_bar.h"

// What the results page reads from the other pages when a scan or a deletion starts.
struct ScanSources {
    std::function<std::vector<std::string>()> tickedDrives;  // the Drive Clean page's ticked drives
    std::function<ScanSettings()> scanSettings;              // the Options page's lists and options
    std::function<bool()> deleteToRecycleBin;                // the Options page's delete mode
};

// The scan and its results: the walk over the ticked drives, the results list with its counters, and
// the deletion of the ticked rows. Shown in place of the Drive Clean page while Drive Clean is chosen.
class ResultsPage {
  public:
    // Fills suiPanelClean1, which the shell has made.
    void Create(const PageHost& host, ScanSources sources);

    Panel suiPanelClean1;
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
    ScanSettings m_InitScan();
    void StartScan(const ScanSettings& settings);
    void AddFoundFile(const FoundFile& file, const std::wstring& folder);
    // The rows behind the owner-data ListViewScan, and its sort state.
    ScanRows scanRows;
    ListSortState scanSort{4};
    // True while the Scan or Delete handler runs; a close request meanwhile is finished after it.
    bool longWorkRunning = false;
    bool closeRequested = false;
    // True while the Delete handler runs: the window answers, but the pages stay as they are.
    bool deleting = false;
    // Pending messages run every scanMessageInterval during a scan; pending counters, status and rows
    // reach the controls at most every scanViewInterval.
    void ShowScanCounters();
    void ShowSelectCounters();
    void RefreshScanView(bool countMayLag = false);
    void PumpDuringScan();
    // What ListViewScan shows of a row: its tick and its cells.
    int ScanRowMark(int row) const;
    std::wstring ScanRowCell(int row, int column) const;
    void ToggleScanRow(int row);
    // The row menu of ListViewScan, for the clicked row, or for every selected row when the clicked one
    // is among them (menuRows); the entries that change ticks are greyed while a scan runs.
    PopupMenu ListViewScanMenu;
    std::vector<int> menuRows;
    void CreateRowMenu();
    void ListViewScanContextPopup(int row, int x, int y);
    void menuOpenFolderClick();
    void menuCopyPathClick();
    void menuPropertiesClick();
    void menuTickFolderClick();
    void menuUntickFolderClick();
    void menuExportClick();  // also Ctrl+S on the list
    void ListViewScanTickKey(int row);
    std::vector<int> RowsActedOn(int row) const;
    void TickRowsInFolders(const std::vector<int>& rows, bool tick);
    void SetTicks(const std::vector<int>& rows, bool tick);  // the counters change once
    // The deletion's view: how far it has come, shown at most every deleteViewInterval.
    void ShowDeleteProgress(size_t done, size_t total);
    // A close request during the deletion: it ends after the file in hand, then the window goes.
    void StopDeletionToClose();
    std::atomic<bool> stopDeletion{false};  // read by the deletion's threads
    uint64_t lastDeletePump = 0;
    uint64_t deleteViewInterval = 100;  // milliseconds
    uint64_t lastScanPump = 0, lastScanRefresh = 0, lastStatusShown = 0, lastScanCountShown = 0;
    uint64_t scanViewInterval = 200;    // milliseconds; 0 shows every folder and runs every pump
    uint64_t scanMessageInterval = 20;  // milliseconds between two message pumps of a running scan
    uint64_t scanCountInterval = 1000;  // milliseconds the list's count may lag while its view is full
    bool scanCountersChanged = false;
    std::string scanStatus;  // the status not yet shown

  private:
    PageHost host_;
    ScanSources sources_;
};
