#include "settings/config_loaders.h"

#include <string>

#include "settings/config_file.h"
#include "settings/list_rows.h"

namespace {

void LoadFilters(ListView& list, std::string_view key) {
    const std::vector<FilterEntry> entries = ParseFilterList(ReadOptionsKey(key));
    list.AddRows([&] {
        for (const FilterEntry& entry : entries)
            AddFilterRow(list, entry.mask, entry.description, entry.ticked);
    });
}
}  // namespace

std::string ReadOptionsKey(std::string_view key) {
    return ReadConfigValue(std::string(kConfigFileName), std::string(kConfigSection), std::string(key));
}

void ShowGeneralOptions(const GeneralOptions& options, Button& read, Button& system, Button& hide,
                        Button& zero, Button& recycle, Button& permanently) {
    read.SetChecked(options.read);
    system.SetChecked(options.system);
    hide.SetChecked(options.hide);
    zero.SetChecked(options.zero);
    recycle.SetChecked(options.recycle);
    permanently.SetChecked(!options.recycle);
}

GeneralOptions GeneralOptionsShown(const Button& read, const Button& system, const Button& hide,
                                   const Button& zero, const Button& recycle) {
    return {read.Checked(), system.Checked(), hide.Checked(), zero.Checked(), recycle.Checked()};
}

UiLanguage ReadInterfaceLanguage() {
    const std::optional<std::string> value = ReadConfigValueIfReadable(
        std::string(kConfigFileName), std::string(kConfigSection), std::string(kKeyLanguage));
    return UiLanguageFromConfig(value ? *value : std::string());
}

void LoadGeneralOptions(Button& read, Button& system, Button& hide, Button& zero, Button& recycle,
                        Button& permanently) {
    ShowGeneralOptions(ParseGeneral(ReadOptionsKey(kKeyGeneral)), read, system, hide, zero, recycle,
                       permanently);
}

void LoadExcludePaths(ListView& list) {
    const std::vector<std::string> paths = ParseEntryList(ReadOptionsKey(kKeyExcludePaths));
    list.AddRows([&] {
        for (const std::string& path : paths) AddPathRow(list, path);
    });
}

void LoadIncludeFilters(ListView& list) { LoadFilters(list, kKeyIncludeFilters); }

void LoadExcludeFilters(ListView& list) { LoadFilters(list, kKeyExcludeFilters); }
