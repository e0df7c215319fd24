#include "settings/list_sorting.h"

#include <windows.h>

#include <string_view>

#include "platform/text.h"

namespace {
// The arrow goes in front of the caption as it was given, so a column named by a key of the interface
// texts keeps following the language.
Caption WithoutArrow(const ListView& list, int column) {
    return list.ColumnCaptionGiven(column).WithPrefix("");
}

void ShowArrow(ListView& list, const ListSortState& state, int column) {
    if (column < 0 || column >= list.ColumnCount()) return;
    list.SetColumnCaption(column, WithoutArrow(list, column).WithPrefix(state.Caption(column, "")));
}
}  // namespace

void ClickSortColumn(ListView& list, ListSortState& state, int column) {
    int previous = state.column;
    state.Click(column);
    if (previous != column && previous >= 0 && previous < list.ColumnCount())
        list.SetColumnCaption(previous, WithoutArrow(list, previous));
    ShowArrow(list, state, column);
}

void ResetSortColumns(ListView& list, ListSortState& state) {
    state.Reset();
    for (int c = 0; c < list.ColumnCount(); ++c) list.SetColumnCaption(c, WithoutArrow(list, c));
}

int CompareLocaleText(const std::string& a, const std::string& b) {
    std::wstring wa = Widen(a), wb = Widen(b);
    int r = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.c_str(), int(wa.size()), wb.c_str(),
                           int(wb.size()));
    return r == CSTR_LESS_THAN ? -1 : r == CSTR_GREATER_THAN ? 1 : 0;
}

std::vector<SortKey> SortKeys(const ListView& list, int column) {
    std::vector<SortKey> keys;
    for (int row = 0, rows = list.Count(); row < rows; ++row)
        keys.push_back({list.Cell(row, column), list.Mark(row)});
    return keys;
}

int ComparePathRows(const ListSortState& state, const SortKey& a, const SortKey& b) {
    return Directed(CompareLocaleText(a.text, b.text), state.Direction());
}

int CompareFilterRows(const ListSortState& state, const SortKey& a, const SortKey& b) {
    int ascending = state.column == 0 ? a.mark - b.mark : CompareLocaleText(a.text, b.text);
    return Directed(ascending, state.Direction());
}
