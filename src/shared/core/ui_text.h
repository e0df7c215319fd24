#pragma once
#include <string_view>

// The captions of the windows in the two interface languages. Each key names where its text appears;
// the texts live once, in one table per language (ui_text_zh.cpp, ui_text_en.cpp). Texts the program
// writes at run time in English in both languages (status lines, counters, messages) are not here.
enum class UiLanguage { kChinese, kEnglish };

// clang-format off
#define KDC_UI_TEXTS(X)                                                                                    \
    /* the main window's header, left menu and menus */                                                     \
    X(HeaderHelp) X(MenuDriveClean) X(MenuDriveCleanHint) X(MenuOptions) X(MenuOptionsHint)                 \
    X(MenuOtherClean) X(MenuOtherCleanHint) X(WindowMenuMinimize) X(WindowMenuMaximize) X(WindowMenuClose)  \
    X(CaptionButtonMinimize) X(CaptionButtonMaximize) X(CaptionButtonRestore) X(CaptionButtonClose)         \
    X(HelpMenuGuide) X(HelpMenuAbout) X(HelpMenuHomePage)                                                   \
    /* the About box */                                                                                     \
    X(AboutCaption) X(AboutHomePage) X(AboutClose)                                                          \
    /* the Drive Clean page and its results */                                                              \
    X(DriveIntro) X(DriveHowTo) X(DriveOptionsHint) X(DriveListHeader) X(DriveListName) X(DriveScan)        \
    X(ResultsSelectAll) X(ResultsSelectNone) X(ResultsColumnName) X(ResultsColumnFolder)                    \
    X(ResultsColumnSize) X(ResultsScanning) X(ResultsCancel) X(ResultsDelete) X(ResultsDeleting)            \
    X(RowMenuOpenFolder) X(RowMenuCopyPath) X(RowMenuProperties) X(RowMenuTickFolder)                       \
    X(RowMenuUntickFolder) X(RowMenuExport)                                                                 \
    X(ReportColumnName) X(ReportColumnFolder) X(ReportColumnReason) X(ReportCopyList) X(ReportClose)       \
    /* the Options page */                                                                                  \
    X(OptionsTabGeneral) X(OptionsTabExcludePaths) X(OptionsTabIncludeFilters) X(OptionsTabExcludeFilters) \
    X(OptionsScanGroup) X(OptionsScanReadOnly) X(OptionsScanSystem) X(OptionsScanHidden)                    \
    X(OptionsScanZeroBytes) X(OptionsCleanGroup) X(OptionsToRecycleBin) X(OptionsPermanently)               \
    X(OptionsLanguage) X(OptionsLanguageChinese) X(OptionsLanguageEnglish)                                  \
    X(OptionsPathColumn) X(OptionsAdd) X(OptionsDeletePath) X(OptionsFilterColumnName)                      \
    X(OptionsFilterColumnType) X(OptionsFilterColumnDescription) X(OptionsDeleteFilter)                     \
    X(OptionsSelectAll) X(OptionsSelectNone) X(OptionsDefault) X(OptionsSave) X(OptionsDefaultColumnName)    \
    X(OptionsDefaultColumnType) X(OptionsDefaultColumnDescription) X(OptionsDefaultPathColumn)              \
    /* the add-filter dialogs */                                                                            \
    X(AddFilterCaption) X(AddFilterIncludeHint) X(AddFilterExcludeHint) X(AddFilterDescriptionHint)         \
    X(AddFilterIncludeMaskLabel) X(AddFilterExcludeMaskLabel) X(AddFilterDescriptionLabel) X(AddFilterOk)  \
    X(AddFilterCancel)                                                                                      \
    /* the Other Clean page, the cleaning dialog and the cookie dialog */                                   \
    X(OtherAnalysing) X(OtherPleaseWait) X(OtherHowTo) X(OtherBrowseHint) X(OtherGroup)                     \
    X(OtherRecycleBin) X(OtherHistory) X(OtherRecentDocuments) X(OtherCookies) X(OtherTemp)                 \
    X(OtherInternetFiles) X(OtherStart)                                                                     \
    X(CleanCaption) X(CleanStarting) X(CleanClose)                                                          \
    X(CookieCaption) X(CookieHowTo) X(CookieSelectAll) X(CookieSelectNone) X(CookieSave) X(CookieCancel)    \
    X(CookieColumnName) X(CookieWriteFailed)
// clang-format on

enum class UiText : int {
#define KDC_UI_TEXT_KEY(key) k##key,
    KDC_UI_TEXTS(KDC_UI_TEXT_KEY)
#undef KDC_UI_TEXT_KEY
        kCount
};

struct UiTextEntry {
    UiText key;
    const char* text;
};

// The text of a key in a language; nullptr when that language's table lacks it (a test fails on that).
const char* UiTextIn(UiLanguage language, UiText key);
// The key's name as written above ("DriveScan"), for messages.
const char* UiTextName(UiText key);

// The language the windows show; Chinese until the settings say otherwise. GUI thread only.
UiLanguage CurrentUiLanguage();
void SetCurrentUiLanguage(UiLanguage language);
// The key's text in the current language; a text missing from the English table shows the Chinese one.
const char* UiString(UiText key);

// Config.ini's value of the language: "en" is English; no value or any other one is Chinese.
UiLanguage UiLanguageFromConfig(std::string_view value);
const char* ConfigValueOf(UiLanguage language);
