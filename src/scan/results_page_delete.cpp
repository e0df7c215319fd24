#include "platform/dialogs.h"
#include "scan/file_deletion.h"
#include "scan/form_delete_report.h"
#include "scan/results_page.h"
#include "shared/all_var.h"
#include "shared/app_title.h"
#include "widgets/busy_cursor.h"
#include "widgets/message_pump.h"

namespace {
const char* const kStoppingText = "Stopping…";

// The ticked rows in row order, copied: the rows may be sorted or ticked while the deletion runs.
std::vector<DeletionTarget> TickedFiles(const ScanRows& scanRows) {
    std::vector<DeletionTarget> targets;
    for (const ScanRow& r : scanRows.rows) {
        if (r.ticked) targets.push_back({scanRows.Location(r), r.name, {r.size, r.lastWrite}});
    }
    return targets;
}
}  // namespace

void ResultsPage::suiButtonDeleteClick() {
    if (longWorkRunning) return;
    const std::vector<DeletionTarget> targets = TickedFiles(scanRows);
    if (targets.empty()) {
        ShowMessageBox(host_.window, "Please select file first!", kAppTitle, MB_OK | MB_ICONWARNING);
        return;
    }
    if (ShowMessageBox(host_.window, "Delete all selected files?", kAppTitle,
                       MB_OKCANCEL | MB_ICONINFORMATION) != IDOK)
        return;
    longWorkRunning = true;
    deleting = true;
    stopDeletion = false;
    const bool toRecycleBin = sources_.deleteToRecycleBin();
    SetBusyCursor(true);
    lastDeletePump = 0;
    ShowDeleteProgress(0, targets.size());
    suiPanelDeling.Show(true);
    UpdateWindow(host_.window);
    ProcessMessages();

    // A close request ends the deletion after the file or shell operation in hand.
    auto progress = [&](size_t done) {
        ShowDeleteProgress(done, targets.size());
        return !closeRequested;
    };
    const DeletionControl control{.stop = &stopDeletion};
    const DeletionOutcome outcome = toRecycleBin ? DeleteToRecycleBin(targets, progress, control)
                                                 : DeletePermanently(targets, progress, control);

    suiPanelDeling.Show(false);
    SetBusyCursor(false);
    if (!outcome.left.empty() && !closeRequested) {
        TformDeleteReport report;
        report.FormCreate(host_.window, outcome);
        report.ShowModal();
    }
    longWorkRunning = false;
    deleting = false;
    if (closeRequested) {
        DestroyWindow(host_.window);
        return;
    }
    host_.showDriveClean();
}

// Lets the window answer, and brings the busy panel up to the deletion at most every deleteViewInterval;
// the first and the last count are always shown. The first call, before the panel shows, only sets it.
void ResultsPage::ShowDeleteProgress(size_t done, size_t total) {
    const uint64_t now = GetTickCount64();
    const bool first = lastDeletePump == 0;
    if (first || done == total || now - lastDeletePump >= deleteViewInterval) {
        lastDeletePump = now;
        delingProgressLabel.SetText(closeRequested
                                        ? std::string(kStoppingText)
                                        : std::to_string(done) + " of " + std::to_string(total) + " files");
        delingProgressBar.SetMax(int(total));
        delingProgressBar.SetPosition(int(done));
        if (!first) UpdateWindow(suiPanelDeling.hwnd);
    }
    if (!first) ProcessMessages();
}

void ResultsPage::StopDeletionToClose() {
    closeRequested = true;
    stopDeletion = true;
    delingProgressLabel.SetText(kStoppingText);
}

void ResultsPage::suiButtonBackClick() {
    if (deleting) return;
    ScanState = Idle;
    host_.showDriveClean();
}
