#pragma once
#include "widgets/button.h"
#include "widgets/core/sort_state.h"
#include "widgets/list_view.h"

// The built-in settings put on the Options page by its Default button. Each fill replaces the list's
// rows, sets the English captions and clears every sort arrow; the remembered sort column stays.
void SetDefaultOptions(Button& read, Button& system, Button& hide, Button& zero, Button& recycle,
                       Button& permanently);
void FillDefaultExcludePaths(ListView& list, ListSortState& sort);
void FillDefaultIncludeFilters(ListView& list, ListSortState& sort);
void FillDefaultExcludeFilters(ListView& list, ListSortState& sort);
