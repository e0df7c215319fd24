#pragma once
#include <string>
#include <vector>

#include "widgets/core/sort_state.h"
#include "widgets/list_view.h"

// Column sorting of the Options lists: the header click moves the arrow between captions and updates
// the state; the comparisons follow the list's sort column and its direction.
void ClickSortColumn(ListView& list, ListSortState& state, int column);
// Every column unsorted and no arrow on any caption; the remembered column stays.
void ResetSortColumns(ListView& list, ListSortState& state);

// What a comparison looks at in one row: the text of the sort column and the row's mark.
struct SortKey {
    std::string text;
    int mark = 0;
};
// The keys of every row, read before sorting because the rows move while the control sorts.
std::vector<SortKey> SortKeys(const ListView& list, int column);

// The user's locale order without regard to case: -1, 0 or +1.
int CompareLocaleText(const std::string& a, const std::string& b);
int ComparePathRows(const ListSortState& state, const SortKey& a, const SortKey& b);
// The tick column compares marks, so unticked rows come first when ascending.
int CompareFilterRows(const ListSortState& state, const SortKey& a, const SortKey& b);
