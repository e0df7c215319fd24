#pragma once
#include <string>

#include "widgets/core/sort_state.h"
#include "widgets/list_view.h"

// Column sorting of the Options lists: the header click moves the arrow between captions and updates
// the state; the comparisons follow the list's sort column and its direction.
void ClickSortColumn(ListView& list, ListSortState& state, int column);
// Every column unsorted and no arrow on any caption; the remembered column stays.
void ResetSortColumns(ListView& list, ListSortState& state);

// The user's locale order without regard to case: -1, 0 or +1.
int CompareLocaleText(const std::string& a, const std::string& b);
int ComparePathRows(const ListView& list, const ListSortState& state, int rowA, int rowB);
// The tick column compares marks, so unticked rows come first when ascending.
int CompareFilterRows(const ListView& list, const ListSortState& state, int rowA, int rowB);
