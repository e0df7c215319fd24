#include <algorithm>

#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/text.h"
#include "scan/results_page.h"
#include "scan/scan_engine.h"
#include "settings/core/config_lists.h"
#include "shared/all_var.h"
#include "shared/app_title.h"
#include "widgets/message_pump.h"

void ResultsPage::suiButtonScanClick() {
    if (longWorkRunning) return;  // a click still queued when a stopped scan unwinds
    if (sources_.tickedDrives().empty()) {
        ShowMessageBox(host_.window, "Please select drives first!", kAppTitle, MB_OK | MB_ICONWARNING);
        return;
    }
    longWorkRunning = true;
    host_.showResults();
    suiButtonPause.SetText("Pause");
    suiButtonPause.Enable(true);
    suiButtonDelete.Enable(false);
    suiButtonBack.Enable(true);
    suiPanelDeling.Show(false);
    LabelTotalCount.SetText("Total Files: 0");
    LabelSelectCount.SetText("Select Files: 0");
    LabelTotalSize.SetText("Total  Size: 0 MB");
    LabelSelectSize.SetText("Select  Size: 0 MB");
    StartScan(m_InitScan());
    suiButtonDelete.Enable(true);
    suiButtonPause.SetText("Pause");
    suiButtonPause.Enable(false);
    suiButtonBack.Enable(true);
    longWorkRunning = false;
    // The window was closed during the scan: it is destroyed only now that the scan has unwound.
    if (closeRequested) DestroyWindow(host_.window);
}

// The scan's inputs, taken afresh from the Drive Clean and Options pages. The shared state keeps a copy
// for whoever reads it after the scan; the scan itself goes by what this returns.
ScanSettings ResultsPage::m_InitScan() {
    ScanSettings settings = sources_.scanSettings();
    settings.drives = sources_.tickedDrives();
    ScanDriveList = settings.drives;
    ExcludePathList = settings.excludePaths;
    IncludeMaskList = settings.includeMasks;
    ExcludeMaskList = settings.excludeMasks;
    // The option text is the stored "General" value's first five flags.
    ScanOptionFlags = BuildGeneral(settings.general).substr(0, 5);
    return settings;
}

void ResultsPage::StartScan(const ScanSettings& settings) {
    TotalFileCount = SelectedFileCount = 0;
    TotalBytes = SelectedBytes = 0;
    ScanState = Scanning;
    scanRows.Clear();
    ListViewScan.SetItemCount(0);
    scanCountersChanged = false;
    scanStatus.clear();
    lastScanPump = lastScanRefresh = lastStatusShown = lastScanCountShown = 0;

    ScanCallbacks callbacks{
        .stopped = [] { return ScanState == Idle; },
        .paused = [] { return ScanState == Paused; },
        .pump = [this] { PumpDuringScan(); },
        .waitWhilePaused =
            [this] {
                RefreshScanView();
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
                ProcessMessages();
            },
        // Input wakes the wait as soon as it arrives, and so does the listing being read.
        .waitForListing =
            [this](HANDLE listingReady) {
                MsgWaitForMultipleObjects(1, &listingReady, FALSE, DWORD(scanMessageInterval), QS_ALLINPUT);
                lastScanPump = 0;
                PumpDuringScan();
            },
        .enterFolder =
            [this](const std::wstring& folder) {
                scanStatus = "Scaning: " + Narrow(folder);
                if (GetTickCount64() - lastStatusShown >= scanViewInterval) RefreshScanView(true);
            },
        .addFoundFile = [this](const FoundFile& file,
                               const std::wstring& folder) { AddFoundFile(file, folder); },
    };
    for (const std::string& drive : settings.drives) {
        while (ScanState == Paused) callbacks.waitWhilePaused();
        if (ScanState == Idle) break;
        ScanFolder(Widen(drive + "\\"), settings, callbacks);
    }
    scanStatus.clear();
    RefreshScanView();
    LabelStatus.SetText("Scaning: Scan completed! Please click \"Delete\" to continue...");
    ScanState = Idle;
}

void ResultsPage::AddFoundFile(const FoundFile& file, const std::wstring& folder) {
    TotalFileCount += 1;
    SelectedFileCount += 1;
    TotalBytes += file.size;
    SelectedBytes += file.size;
    scanCountersChanged = true;
    // The row is in place before messages run, so a Select all or a tick in between counts it too.
    scanRows.Append(folder, file.name, file.size, file.lastWrite);
    PumpDuringScan();
}

// The scan's message pump. Pending messages run every scanMessageInterval, so the window answers
// while the walk goes on; the list, counters and status catch up only every scanViewInterval: under
// Wine each label update paints at once and costs more than listing a file. The rows found so far are
// in place before messages run, so whatever the user does in between (a tick, Select all) counts them.
void ResultsPage::PumpDuringScan() {
    const uint64_t now = GetTickCount64();
    if (lastScanPump != 0 && now - lastScanPump < std::min(scanMessageInterval, scanViewInterval)) return;
    if (lastScanRefresh == 0 || now - lastScanRefresh >= scanViewInterval) {
        RefreshScanView(true);
        lastScanRefresh = now;
    }
    ProcessMessages();
    lastScanPump = GetTickCount64();
}

void ResultsPage::suiButtonPauseClick() {
    if (ScanState == Scanning) {
        suiButtonPause.SetText("Continue");
        ScanState = Paused;
    } else if (ScanState == Paused) {
        suiButtonPause.SetText("Pause");
        ScanState = Scanning;
    }
}
