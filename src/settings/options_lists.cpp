#include <algorithm>
#include <string>

#include "platform/dialogs.h"
#include "platform/text.h"
#include "settings/add_filter_dialogs.h"
#include "settings/config_file.h"
#include "settings/core/config_lists.h"
#include "settings/list_rows.h"
#include "settings/list_sorting.h"
#include "settings/options_page.h"
#include "shared/app_title.h"

namespace {
void DeleteSelectedRow(ListView& list) {
    int row = list.Selected();
    if (row >= 0) list.DeleteRow(row);
}

void MarkAllRows(ListView& list, int mark) {
    for (int row = 0; row < list.Count(); ++row) list.SetMark(row, mark);
}

void ToggleTick(ListView& list, int row) {
    list.SetMark(row, list.Mark(row) == kMarkTicked ? kMarkUnticked : kMarkTicked);
}

void ToggleTickOnPress(ListView& list, MouseButton button, int x, int y) {
    if (button != kLeftButton) return;
    bool onTickBox = false;
    int row = list.HitTest(x, y, &onTickBox);
    if (row >= 0 && onTickBox) ToggleTick(list, row);
}

bool ConfirmDelete(HWND owner, const char* question) {
    return ShowMessageBox(owner, question, "Confirm", MB_ICONQUESTION | MB_OKCANCEL) == IDOK;
}

const char* const kDeleteFilterQuestion = "Delete this filter?";
const char* const kDeletePathQuestion = "Delete this path?";

void DeleteFilterOnDoubleClick(HWND owner, ListView& list, POINT at) {
    int column = 0;
    int row = list.CellAt(at, &column);
    if (row < 0 || column < 1) return;  // empty space or the tick box column
    if (ConfirmDelete(owner, kDeleteFilterQuestion)) list.DeleteRow(row);
}

void DeleteRowOnKey(HWND owner, ListView& list, int row, const char* question) {
    if (row < 0 || row >= list.Count() || !ConfirmDelete(owner, question)) return;
    list.DeleteRow(row);
    // The focus moves on to the row that took the deleted one's place, so Delete can be pressed again.
    if (list.Count() > 0) list.SetFocusedRow(std::min(row, list.Count() - 1), true);
}

bool ListHoldsPath(const ListView& list, const std::string& path) {
    for (int row = 0; row < list.Count(); ++row)
        if (list.Cell(row, 0) == path) return true;
    return false;
}
}  // namespace

void OptionsPage::epButtonAddClick() {
    std::optional<std::string> path = BrowseForFolder(host_.window, "Select a path");
    if (!path || Widen(*path).size() <= 3 || ListHoldsPath(ListViewExcludePath, *path)) return;
    if (!ConfigCanHold(std::string(kConfigFileName), *path)) {
        ShowMessageBox(
            host_.window,
            "This path holds characters that this system's code page cannot store in Config.ini, so "
            "it cannot be added.",
            kAppTitle, MB_ICONWARNING | MB_OK);
        return;
    }
    AddPathRow(ListViewExcludePath, *path);
}

void OptionsPage::epButtonDelClick() { DeleteSelectedRow(ListViewExcludePath); }

void OptionsPage::ifButtonAddClick() {
    if (!AddFilter) return;
    if (const std::optional<FilterEntry> filter = AddFilter->Execute(host_.window))
        AddFilterRow(ListViewFilterI, filter->mask, filter->description, true);
}

void OptionsPage::efButtonAddClick() {
    if (!AddFilterExclude) return;
    if (const std::optional<FilterEntry> filter = AddFilterExclude->Execute(host_.window))
        AddFilterRow(ListViewFilterE, filter->mask, filter->description, true);
}

void OptionsPage::ifButtonDeleteClick() { DeleteSelectedRow(ListViewFilterI); }
void OptionsPage::efButtonDeleteClick() { DeleteSelectedRow(ListViewFilterE); }

void OptionsPage::ListViewFilterIMouseDown(MouseButton button, int x, int y) {
    m_ListPressPoint = {x, y};
    ToggleTickOnPress(ListViewFilterI, button, x, y);
}

void OptionsPage::ListViewFilterEMouseDown(MouseButton button, int x, int y) {
    m_ListPressPoint = {x, y};
    ToggleTickOnPress(ListViewFilterE, button, x, y);
}

void OptionsPage::ListViewExcludePathMouseDown(MouseButton, int x, int y) { m_ListPressPoint = {x, y}; }

void OptionsPage::ListViewFilterIDblClick() {
    DeleteFilterOnDoubleClick(host_.window, ListViewFilterI, m_ListPressPoint);
}
void OptionsPage::ListViewFilterEDblClick() {
    DeleteFilterOnDoubleClick(host_.window, ListViewFilterE, m_ListPressPoint);
}

void OptionsPage::ListViewExcludePathDblClick() {
    int column = 0;
    int row = ListViewExcludePath.CellAt(m_ListPressPoint, &column);
    if (row >= 0 && ConfirmDelete(host_.window, kDeletePathQuestion)) ListViewExcludePath.DeleteRow(row);
}

void OptionsPage::ListViewFilterITickKey(int row) { ToggleTick(ListViewFilterI, row); }
void OptionsPage::ListViewFilterETickKey(int row) { ToggleTick(ListViewFilterE, row); }

void OptionsPage::ListViewExcludePathDeleteKey(int row) {
    DeleteRowOnKey(host_.window, ListViewExcludePath, row, kDeletePathQuestion);
}
void OptionsPage::ListViewFilterIDeleteKey(int row) {
    DeleteRowOnKey(host_.window, ListViewFilterI, row, kDeleteFilterQuestion);
}
void OptionsPage::ListViewFilterEDeleteKey(int row) {
    DeleteRowOnKey(host_.window, ListViewFilterE, row, kDeleteFilterQuestion);
}

bool OptionsPage::KeyPreview(UINT vk) {
    if (vk != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
    suiPage.SelectNext(GetKeyState(VK_SHIFT) < 0);
    return true;
}

void OptionsPage::ListViewExcludePathColumnClick(int column) {
    ClickSortColumn(ListViewExcludePath, ExcludePathSort, column);
    std::vector<SortKey> keys = SortKeys(ListViewExcludePath, ExcludePathSort.column);
    ListViewExcludePath.Sort([&](int a, int b) { return ListViewExcludePathCompare(keys[a], keys[b]); });
}

void OptionsPage::ListViewFilterIColumnClick(int column) {
    ClickSortColumn(ListViewFilterI, FilterISort, column);
    std::vector<SortKey> keys = SortKeys(ListViewFilterI, FilterISort.column);
    ListViewFilterI.Sort([&](int a, int b) { return ListViewFilterICompare(keys[a], keys[b]); });
}

void OptionsPage::ListViewFilterEColumnClick(int column) {
    ClickSortColumn(ListViewFilterE, FilterESort, column);
    std::vector<SortKey> keys = SortKeys(ListViewFilterE, FilterESort.column);
    ListViewFilterE.Sort([&](int a, int b) { return ListViewFilterECompare(keys[a], keys[b]); });
}

int OptionsPage::ListViewExcludePathCompare(const SortKey& a, const SortKey& b) {
    return ComparePathRows(ExcludePathSort, a, b);
}
int OptionsPage::ListViewFilterICompare(const SortKey& a, const SortKey& b) {
    return CompareFilterRows(FilterISort, a, b);
}
int OptionsPage::ListViewFilterECompare(const SortKey& a, const SortKey& b) {
    return CompareFilterRows(FilterESort, a, b);
}

void OptionsPage::OCheckBoxAll1Click() {
    OCheckBoxAll1.SetChecked(true);
    MarkAllRows(ListViewFilterI, kMarkTicked);
}
void OptionsPage::OCheckBoxAll2Click() {
    OCheckBoxAll2.SetChecked(true);
    MarkAllRows(ListViewFilterE, kMarkTicked);
}
void OptionsPage::OCheckBoxAllN1Click() {
    OCheckBoxAllN1.SetChecked(false);
    MarkAllRows(ListViewFilterI, kMarkUnticked);
}
void OptionsPage::OCheckBoxAllN2Click() {
    OCheckBoxAllN2.SetChecked(false);
    MarkAllRows(ListViewFilterE, kMarkUnticked);
}
