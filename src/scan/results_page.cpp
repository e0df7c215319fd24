#include "scan/results_page.h"

#include <string>

#include "platform/locale.h"
#include "scan/core/size_text.h"
#include "shared/all_var.h"

namespace {
const COLORREF kCounterGrey = RGB(96, 96, 96);
const Caption kScanColumnCaptions[] = {"", UiText::kResultsColumnName, UiText::kResultsColumnFolder,
                                       UiText::kResultsColumnSize};
}  // namespace

void ResultsPage::Create(const PageHost& host, ScanSources sources) {
    host_ = host;
    sources_ = std::move(sources);
    const Button::Style command{.kind = Button::Kind::kCheck, .autoCheck = false};
    SCheckBoxAll.Create(suiPanelClean1, UiText::kResultsSelectAll, 9, 7, 74, 19, command);
    SCheckBoxAll.name = "SCheckBoxAll";
    SCheckBoxAll.SetChecked(true);
    SCheckBoxAll.onClick = [this] { SCheckBoxAllClick(); };
    SCheckBoxAllN.Create(suiPanelClean1, UiText::kResultsSelectNone, 85, 7, 90, 19, command);
    SCheckBoxAllN.name = "SCheckBoxAllN";
    SCheckBoxAllN.onClick = [this] { SCheckBoxAllNClick(); };

    // Owner data: the control keeps no rows; ScanRowCell and ScanRowMark answer from scanRows, so a
    // million rows stay small and fast.
    ListViewScan.Create(suiPanelClean1, 8, 32, 510, 255, LVS_OWNERDATA | WS_BORDER);
    ListViewScan.name = "ListViewScan";
    ListViewScan.anchors = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom;
    ListViewScan.AddColumn(kScanColumnCaptions[0], 27);
    ListViewScan.AddColumn(kScanColumnCaptions[1], 100);
    ListViewScan.AddColumn(kScanColumnCaptions[2], 250);
    ListViewScan.AddColumn(kScanColumnCaptions[3], 100);
    ListViewScan.SetRowMarks(16);
    ListViewScan.SetMarksFromOwner();
    ListViewScan.onGetMark = [this](int row) { return ScanRowMark(row); };
    ListViewScan.onGetCell = [this](int row, int column) { return ScanRowCell(row, column); };
    ListViewScan.onMouseDown = [this](MouseButton b, int x, int y) { ListViewScanMouseDown(b, x, y); };
    ListViewScan.onColumnClick = [this](int column) { ListViewScanColumnClick(column); };
    ListViewScan.onTickKey = [this](int row) { ListViewScanTickKey(row); };
    CreateRowMenu();
    // The counters below the list describe it to a screen reader.
    ListViewScan.accessibleDescription = [this] {
        return LabelTotalCount.Text() + ", " + LabelTotalSize.Text() + ", " + LabelSelectCount.Text() + ", " +
               LabelSelectSize.Text();
    };

    const Label::Style counter{.font = kThemeFonts.bold, .color = kCounterGrey};
    struct {
        Label& label;
        Caption text;
        int x, y, w;
    } labels[] = {
        {LabelTotalCount, "Total Files: 0", 16, 292, 200},
        {LabelTotalSize, "Total  Size: 0 MB", 16, 312, 200},
        {LabelSelectCount, "Select Files: 0", 229, 292, 280},
        {LabelSelectSize, "Select  Size: 0 MB", 229, 312, 280},
        {LabelStatus, UiText::kResultsScanning, 16, 331, 500},
    };
    for (auto& l : labels) {
        l.label.Create(suiPanelClean1, l.text, l.x, l.y, l.w, 16, counter);
        l.label.anchors = kAnchorLeft | kAnchorBottom;
    }

    struct {
        Button& button;
        const char* name;
        Caption caption;
        int x;
        void (ResultsPage::*click)();
    } buttons[] = {
        {suiButtonBack, "suiButtonBack", UiText::kResultsCancel, 237, &ResultsPage::suiButtonBackClick},
        {suiButtonPause, "suiButtonPause", "Pause", 332, &ResultsPage::suiButtonPauseClick},
        {suiButtonDelete, "suiButtonDelete", UiText::kResultsDelete, 426, &ResultsPage::suiButtonDeleteClick},
    };
    for (auto& b : buttons) {
        b.button.Create(suiPanelClean1, b.caption, b.x, 364, 89, 27, {});
        b.button.name = b.name;
        b.button.anchors = kAnchorRight | kAnchorBottom;
        b.button.onClick = [this, click = b.click] { (this->*click)(); };
    }

    suiPanelDeling.Create(
        suiPanelClean1, 27, 120, 293, 109,
        {.fill = Panel::Fill::kSolid, .color = RGB(255, 255, 255), .border = RGB(128, 0, 0)});
    suiPanelDeling.name = "suiPanelDeling";
    delingLabel.Create(suiPanelDeling, UiText::kResultsDeleting, 10, 44, 273, 20,
                       {.font = kThemeFonts.heading, .color = RGB(128, 0, 0), .align = DT_CENTER});
    delingProgressLabel.Create(suiPanelDeling, "", 10, 68, 273, 16,
                               {.font = kThemeFonts.text, .color = RGB(128, 0, 0), .align = DT_CENTER});
    delingProgressLabel.name = "delingProgressLabel";
    delingProgressBar.Create(suiPanelDeling, 20, 86, 253, 16);
    delingProgressBar.name = "delingProgressBar";
    // Over the list while it is shown: siblings created later lie below the earlier ones.
    SetWindowPos(suiPanelDeling.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    suiPanelDeling.Show(false);
}

int ResultsPage::ScanRowMark(int row) const {
    if (row < 0 || size_t(row) >= scanRows.rows.size()) return 0;
    return scanRows.rows[size_t(row)].ticked ? kMarkTicked : kMarkUnticked;
}

std::wstring ResultsPage::ScanRowCell(int row, int column) const {
    if (row < 0 || size_t(row) >= scanRows.rows.size()) return {};
    const ScanRow& r = scanRows.rows[size_t(row)];
    switch (column) {
        case 1:
            return r.name;
        case 2:
            return scanRows.Location(r);
        case 3:
            return std::to_wstring(r.size);
        default:
            return {};
    }
}

void ResultsPage::ShowSelectCounters() {
    const char separator = DecimalSeparator();
    LabelSelectCount.SetText("Select Files: " + std::to_string(SelectedFileCount));
    LabelSelectSize.SetText("Select  Size: " + FormatSize(SelectedBytes, separator));
}

void ResultsPage::ShowScanCounters() {
    LabelTotalCount.SetText("Total Files: " + std::to_string(TotalFileCount));
    LabelTotalSize.SetText("Total  Size: " + FormatSize(TotalBytes, DecimalSeparator()));
    ShowSelectCounters();
}

// Brings the list's row count, the counters and the status up to the walk. A new count repaints the
// list's scroll bar at once, which under Wine takes 10 ms on a quiet machine and up to 90 ms on a busy
// one; so while a scan runs and every row in view is there already, the count may lag behind the rows
// by up to scanCountInterval.
void ResultsPage::RefreshScanView(bool countMayLag) {
    const int rows = int(scanRows.rows.size());
    const int shown = ListViewScan.Count();
    const uint64_t now = GetTickCount64();
    // Read only when the count differs: whether every row in view is there already.
    auto viewFull = [&] { return shown > ListViewScan.TopRow() + ListViewScan.RowsPerPage(); };
    if (shown != rows && !(countMayLag && now - lastScanCountShown < scanCountInterval && viewFull())) {
        ListViewScan.SetItemCount(rows, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
        lastScanCountShown = now;
    }
    if (scanCountersChanged) ShowScanCounters();
    scanCountersChanged = false;
    if (!scanStatus.empty()) {
        LabelStatus.SetText(scanStatus);
        scanStatus.clear();
        lastStatusShown = GetTickCount64();
    }
}

void ResultsPage::ToggleScanRow(int row) {
    ScanRow& r = scanRows.rows[row];
    if (r.ticked) {
        SelectedFileCount -= 1;
        SelectedBytes -= r.size;
    } else {
        SelectedFileCount += 1;
        SelectedBytes += r.size;
    }
    ShowSelectCounters();
    r.ticked = !r.ticked;
    ListViewScan.RedrawRows(row, row);
}

void ResultsPage::ListViewScanMouseDown(MouseButton, int x, int y) {
    bool onBox = false;
    int row = ListViewScan.HitTest(x, y, &onBox);
    if (row < 0 || !onBox || size_t(row) >= scanRows.rows.size()) return;
    ToggleScanRow(row);
}

void ResultsPage::SCheckBoxAllClick() {
    SCheckBoxAll.SetChecked(true);
    SelectedFileCount = 0;
    SelectedBytes = 0;
    for (ScanRow& r : scanRows.rows) {
        r.ticked = true;
        SelectedFileCount += 1;
        SelectedBytes += r.size;
    }
    ShowSelectCounters();
    InvalidateRect(ListViewScan.hwnd, nullptr, FALSE);
}

void ResultsPage::SCheckBoxAllNClick() {
    SCheckBoxAllN.SetChecked(false);
    for (ScanRow& r : scanRows.rows) r.ticked = false;
    SelectedFileCount = 0;
    SelectedBytes = 0;
    LabelSelectCount.SetText("Select Files: 0");
    LabelSelectSize.SetText("Select  Size: 0 Byte(s)");
    InvalidateRect(ListViewScan.hwnd, nullptr, FALSE);
}

void ResultsPage::ListViewScanColumnClick(int column) {
    if (column < 0 || column > 3) return;
    int previous = scanSort.column;
    scanSort.Click(column);
    if (previous != column) ListViewScan.SetColumnCaption(previous, kScanColumnCaptions[previous]);
    ListViewScan.SetColumnCaption(column,
                                  kScanColumnCaptions[column].WithPrefix(scanSort.Caption(column, "")));
    SortScanRows(scanRows, column, scanSort.Direction() == kDescending);
    // The selection names rows by place, and the rows have moved.
    ListViewScan.Select(-1);
    InvalidateRect(ListViewScan.hwnd, nullptr, FALSE);
}
