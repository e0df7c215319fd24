#pragma once
#include "widgets/button.h"
#include "widgets/list_view.h"

// Start-up readers of Config.ini that fill the Options page.
void LoadGeneralOptions(Button& read, Button& system, Button& hide, Button& zero, Button& recycle,
                        Button& permanently);
void LoadExcludePaths(ListView& list);
void LoadIncludeFilters(ListView& list);
void LoadExcludeFilters(ListView& list);
