#pragma once
#include <string>
#include <vector>

#include "settings/core/config_lists.h"

// The built-in settings that the Default button puts on the Options page, in display order.
const std::vector<FilterEntry>& DefaultIncludeFilters();
const std::vector<FilterEntry>& DefaultExcludeFilters();
const std::vector<std::string>& DefaultExcludePaths();
GeneralOptions DefaultGeneralOptions();  // stored as "101010"
