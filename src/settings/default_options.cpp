#include "settings/default_options.h"

#include "settings/config_loaders.h"
#include "settings/core/default_lists.h"
#include "settings/list_rows.h"
#include "settings/list_sorting.h"

namespace {
void FillDefaultFilters(ListView& list, ListSortState& sort, const std::vector<FilterEntry>& rows) {
    list.Clear();
    const Caption captions[] = {"", UiText::kOptionsDefaultColumnName, UiText::kOptionsDefaultColumnType,
                                UiText::kOptionsDefaultColumnDescription};
    for (int c = 0; c < 4; ++c) list.SetColumnCaption(c, captions[c]);
    ResetSortColumns(list, sort);
    for (const FilterEntry& row : rows) AddFilterRow(list, row.mask, row.description, row.ticked);
}
}  // namespace

void SetDefaultOptions(Button& read, Button& system, Button& hide, Button& zero, Button& recycle,
                       Button& permanently) {
    ShowGeneralOptions(DefaultGeneralOptions(), read, system, hide, zero, recycle, permanently);
}

void FillDefaultExcludePaths(ListView& list, ListSortState& sort) {
    list.Clear();
    list.SetColumnCaption(0, UiText::kOptionsDefaultPathColumn);
    ResetSortColumns(list, sort);
    for (const std::string& path : DefaultExcludePaths()) AddPathRow(list, path);
}

void FillDefaultIncludeFilters(ListView& list, ListSortState& sort) {
    FillDefaultFilters(list, sort, DefaultIncludeFilters());
}

void FillDefaultExcludeFilters(ListView& list, ListSortState& sort) {
    FillDefaultFilters(list, sort, DefaultExcludeFilters());
}
