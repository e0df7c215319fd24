#include "settings/list_rows.h"

#include "settings/core/config_lists.h"

void AddFilterRow(ListView& list, const std::string& mask, const std::string& description, bool ticked) {
    list.AddRow({"", mask, DeriveFilterType(mask), description}, ticked ? kMarkTicked : kMarkUnticked);
}

void AddPathRow(ListView& list, const std::string& path) { list.AddRow({path}, kMarkFolder); }
