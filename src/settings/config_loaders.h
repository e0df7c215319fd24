#pragma once
#include "settings/core/config_lists.h"
#include "shared/core/ui_text.h"
#include "widgets/button.h"
#include "widgets/list_view.h"

// Start-up readers of Config.ini that fill the Options page. They append to the lists without
// clearing them and leave captions and sort marks alone.
// A value of Config.ini's [Drive] section; "" when it is missing or cannot be read.
std::string ReadOptionsKey(std::string_view key);
// The interface language Config.ini names; Chinese without the key, with another value, or when the
// file cannot be read.
UiLanguage ReadInterfaceLanguage();
void LoadGeneralOptions(Button& read, Button& system, Button& hide, Button& zero, Button& recycle,
                        Button& permanently);
void LoadExcludePaths(ListView& list);
void LoadIncludeFilters(ListView& list);
void LoadExcludeFilters(ListView& list);

// The six option controls and their stored form; the two radio buttons are one group.
void ShowGeneralOptions(const GeneralOptions& options, Button& read, Button& system, Button& hide,
                        Button& zero, Button& recycle, Button& permanently);
GeneralOptions GeneralOptionsShown(const Button& read, const Button& system, const Button& hide,
                                   const Button& zero, const Button& recycle);
