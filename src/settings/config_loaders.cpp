#include "settings/config_loaders.h"

void LoadGeneralOptions(Button&, Button&, Button&, Button&, Button&, Button& permanently) {
    permanently.SetChecked(true);
}
void LoadExcludePaths(ListView&) {}
void LoadIncludeFilters(ListView&) {}
void LoadExcludeFilters(ListView&) {}
