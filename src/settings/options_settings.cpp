#include "platform/dialogs.h"
#include "settings/config_file.h"
#include "settings/config_loaders.h"
#include "settings/default_options.h"
#include "settings/options_page.h"
#include "shared/app_title.h"

namespace {
std::vector<std::string> PathRows(const ListView& list) {
    std::vector<std::string> paths;
    for (int row = 0; row < list.Count(); ++row) paths.push_back(list.Cell(row, 0));
    return paths;
}

std::vector<FilterEntry> FilterRows(const ListView& list) {
    std::vector<FilterEntry> entries;
    for (int row = 0; row < list.Count(); ++row)
        entries.push_back(
            MakeFilterEntry(list.Cell(row, 1), list.Cell(row, 3), list.Mark(row) == kMarkTicked));
    return entries;
}

// The masks of the ticked rows of a filter list.
std::vector<std::string> TickedMasks(const ListView& list) {
    std::vector<std::string> masks;
    for (int row = 0; row < list.Count(); ++row) {
        if (list.Mark(row) == kMarkTicked) masks.push_back(list.Cell(row, 1));
    }
    return masks;
}
}  // namespace

ScanSettings OptionsPage::CurrentScanSettings() const {
    return {.excludePaths = PathRows(ListViewExcludePath),
            .includeMasks = TickedMasks(ListViewFilterI),
            .excludeMasks = TickedMasks(ListViewFilterE),
            .general = GeneralOptionsShown(gCheckRead, gCheckSystem, gCheckHide, gCheckZero, gRadioRecycle)};
}

bool OptionsPage::DeleteToRecycleBin() const { return gRadioRecycle.Checked(); }

UiLanguage OptionsPage::LanguageShown() const {
    return gRadioEnglish.Checked() ? UiLanguage::kEnglish : UiLanguage::kChinese;
}

void OptionsPage::ShowLanguage(UiLanguage language) {
    gRadioChinese.SetChecked(language == UiLanguage::kChinese);
    gRadioEnglish.SetChecked(language == UiLanguage::kEnglish);
}

void OptionsPage::suiButtonDefaultClick() {
    SetDefaultOptions(gCheckRead, gCheckSystem, gCheckHide, gCheckZero, gRadioRecycle, gRadioPermanently);
    FillDefaultExcludePaths(ListViewExcludePath, ExcludePathSort);
    FillDefaultIncludeFilters(ListViewFilterI, FilterISort);
    FillDefaultExcludeFilters(ListViewFilterE, FilterESort);
}

// The keys go to the file in one replacement: a failed save leaves every key as it was, and the windows
// keep their language.
void OptionsPage::suiButtonSaveClick() {
    GeneralOptions general =
        GeneralOptionsShown(gCheckRead, gCheckSystem, gCheckHide, gCheckZero, gRadioRecycle);
    std::vector<std::pair<std::string, std::string>> keys = {
        {std::string(kKeyGeneral), BuildGeneral(general)},
        {std::string(kKeyExcludePaths), BuildEntryList(PathRows(ListViewExcludePath))},
        {std::string(kKeyIncludeFilters), BuildFilterList(FilterRows(ListViewFilterI))},
        {std::string(kKeyExcludeFilters), BuildFilterList(FilterRows(ListViewFilterE))}};
    // Chinese is what no key means: a file that never named a language stays as it was.
    const UiLanguage language = LanguageShown();
    if (language != UiLanguage::kChinese || !ReadOptionsKey(kKeyLanguage).empty())
        keys.push_back({std::string(kKeyLanguage), ConfigValueOf(language)});
    bool saved = WriteConfigValues(std::string(kConfigFileName), std::string(kConfigSection), keys);
    if (!saved) {
        ShowMessageBox(nullptr, "Write file error!Please restart the application!", kAppTitle,
                       MB_ICONWARNING | MB_OK);
        return;
    }
    if (language != CurrentUiLanguage()) {
        SetCurrentUiLanguage(language);
        ApplyLanguageToWindows();
    }
}
