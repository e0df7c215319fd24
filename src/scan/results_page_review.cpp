// Reviewing the results before deleting: the row menu of the results list (open the folder, copy the
// paths, properties, ticks by folder, export), ticks of several selected rows at once, and the export
// of the list as CSV.
#include <unordered_set>

#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/shell_open.h"
#include "platform/text.h"
#include "scan/core/scan_csv.h"
#include "scan/results_page.h"
#include "scan/scan_export.h"
#include "shared/all_var.h"
#include "shared/app_title.h"
#include "widgets/busy_cursor.h"

namespace {
// The row menu's entries in their order; "-" is a separator.
struct RowMenuText {
    const char* name;
    Caption caption;
};
const RowMenuText kRowMenuTexts[] = {
    {"menuOpenFolder", UiText::kRowMenuOpenFolder},
    {"menuCopyPath", UiText::kRowMenuCopyPath},
    {"menuProperties", UiText::kRowMenuProperties},
    {"menuSeparator1", "-"},
    {"menuTickFolder", UiText::kRowMenuTickFolder},
    {"menuUntickFolder", UiText::kRowMenuUntickFolder},
    {"menuSeparator2", "-"},
    {"menuExport", UiText::kRowMenuExport},
};

// What each entry does. The folder ticks are greyed while a scan runs: the folder may still be filling,
// and rows that arrive after the click would come ticked into a folder the user has just unticked.
struct RowMenuAction {
    void (ResultsPage::*click)();
    bool changesTicks;
};
const RowMenuAction kRowMenuActions[] = {
    {&ResultsPage::menuOpenFolderClick, false},
    {&ResultsPage::menuCopyPathClick, false},
    {&ResultsPage::menuPropertiesClick, false},
    {nullptr, false},
    {&ResultsPage::menuTickFolderClick, true},
    {&ResultsPage::menuUntickFolderClick, true},
    {nullptr, false},
    {&ResultsPage::menuExportClick, false},
};
static_assert(std::size(kRowMenuActions) == std::size(kRowMenuTexts));

// A property sheet is a window of its own for each file: a large selection opens this many at most.
constexpr size_t kMaxPropertySheets = 10;
}  // namespace

void ResultsPage::CreateRowMenu() {
    for (size_t i = 0; i < std::size(kRowMenuTexts); ++i) {
        ListViewScanMenu.Add(kRowMenuTexts[i].name, kRowMenuTexts[i].caption,
                             [this, click = kRowMenuActions[i].click] {
                                 if (click) (this->*click)();
                             });
    }
    ListViewScan.onContextMenu = [this](int row, POINT at) { ListViewScanContextPopup(row, at.x, at.y); };
    ListViewScan.onKey = [this](UINT vk) {
        if (vk != 'S' || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return false;
        menuExportClick();
        return true;
    };
}

std::vector<int> ResultsPage::RowsActedOn(int row) const {
    if (!ListViewScan.RowSelected(row)) return {row};
    std::vector<int> rows;
    for (int selected : ListViewScan.SelectedRows())
        if (size_t(selected) < scanRows.rows.size()) rows.push_back(selected);
    return rows;
}

void ResultsPage::ListViewScanContextPopup(int row, int x, int y) {
    if (deleting || row < 0 || size_t(row) >= scanRows.rows.size()) return;
    menuRows = RowsActedOn(row);
    for (size_t i = 0; i < std::size(kRowMenuTexts); ++i)
        ListViewScanMenu.Find(kRowMenuTexts[i].name)->enabled =
            !(kRowMenuActions[i].changesTicks && ScanState == Scanning);
    ListViewScanMenu.Popup(x, y, PopupMenu::Align::kLeft);
    // The menu's hidden owner took the activation; the keys go back to the list.
    if (IsWindowVisible(ListViewScan.hwnd) &&
        GetForegroundWindow() == GetAncestor(ListViewScan.hwnd, GA_ROOT))
        SetFocus(ListViewScan.hwnd);
}

void ResultsPage::menuOpenFolderClick() {
    // One window per folder, with that folder's files of the rows selected in it.
    std::vector<uint32_t> order;
    std::vector<std::vector<std::string>> names(scanRows.folders.size());
    for (int row : menuRows) {
        const ScanRow& r = scanRows.rows[row];
        if (names[r.folder].empty()) order.push_back(r.folder);
        names[r.folder].push_back(Narrow(r.name));
    }
    for (uint32_t folder : order) ShowInFolder(Narrow(scanRows.folders[folder]), names[folder]);
}

void ResultsPage::menuCopyPathClick() {
    std::string text;
    for (int row : menuRows) {
        if (!text.empty()) text += "\r\n";
        text += Narrow(scanRows.FullPath(scanRows.rows[row]));
    }
    CopyTextToClipboard(host_.window, text);
}

void ResultsPage::menuPropertiesClick() {
    for (size_t i = 0; i < menuRows.size() && i < kMaxPropertySheets; ++i)
        ShowFileProperties(host_.window, Narrow(scanRows.FullPath(scanRows.rows[menuRows[i]])));
}

void ResultsPage::menuTickFolderClick() { TickRowsInFolders(menuRows, true); }
void ResultsPage::menuUntickFolderClick() { TickRowsInFolders(menuRows, false); }

// Ticks or unticks every row in the folders of the given rows and below them. Folders are few against
// rows: each is matched once, by looking up each of its parent folders among the rows' own folders.
void ResultsPage::TickRowsInFolders(const std::vector<int>& rows, bool tick) {
    std::unordered_set<std::wstring> chosen;
    for (int row : rows) chosen.insert(scanRows.Location(scanRows.rows[row]));
    std::vector<bool> inside(scanRows.folders.size(), false);
    for (size_t f = 0; f < scanRows.folders.size(); ++f) {
        const std::wstring& folder = scanRows.folders[f];
        for (size_t end = folder.find(L'\\'); end != std::wstring::npos && !inside[f];
             end = folder.find(L'\\', end + 1))
            inside[f] = chosen.count(folder.substr(0, end + 1)) != 0;
    }
    std::vector<int> changed;
    for (size_t row = 0; row < scanRows.rows.size(); ++row)
        if (inside[scanRows.rows[row].folder]) changed.push_back(int(row));
    SetTicks(changed, tick);
}

void ResultsPage::SetTicks(const std::vector<int>& rows, bool tick) {
    for (int row : rows) {
        ScanRow& r = scanRows.rows[row];
        if (r.ticked == tick) continue;
        r.ticked = tick;
        SelectedFileCount += tick ? 1 : -1;
        SelectedBytes += tick ? r.size : -r.size;
    }
    ShowSelectCounters();
    InvalidateRect(ListViewScan.hwnd, nullptr, FALSE);
}

// Space on a row of a selection gives every selected row the tick that the focused row did not have.
void ResultsPage::ListViewScanTickKey(int row) {
    if (size_t(row) >= scanRows.rows.size()) return;
    std::vector<int> rows = RowsActedOn(row);
    if (rows.size() == 1) {
        ToggleScanRow(row);
        return;
    }
    SetTicks(rows, !scanRows.rows[row].ticked);
}

void ResultsPage::menuExportClick() {
    SYSTEMTIME today;
    GetLocalTime(&today);
    std::optional<std::string> path =
        SaveFileAs(host_.window, {.suggestedName = ScanCsvFileName(today.wYear, today.wMonth, today.wDay),
                                  .typeName = "CSV (*.csv)",
                                  .pattern = "*.csv",
                                  .extension = "csv"});
    if (!path) return;
    DWORD error = 0;
    // A million rows take about a second.
    const bool wasBusy = BusyCursor();
    SetBusyCursor(true);
    const bool written = WriteScanExport(scanRows, Widen(*path), error);
    SetBusyCursor(wasBusy);
    if (written) return;
    ShowMessageBox(host_.window, "Could not write the list to " + *path + ":\n" + SystemErrorText(error),
                   kAppTitle, MB_OK | MB_ICONWARNING);
}
