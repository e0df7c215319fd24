#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "shared/core/general_options.h"

// Config.ini: where the settings live and the stored form of their values.
inline constexpr std::string_view kConfigFileName = "Config.ini";
inline constexpr std::string_view kConfigSection = "Drive";
inline constexpr std::string_view kKeyGeneral = "General";
inline constexpr std::string_view kKeyExcludePaths = "Exclude Paths";
inline constexpr std::string_view kKeyIncludeFilters = "Include Filters";
inline constexpr std::string_view kKeyExcludeFilters = "Exclude Filters";
inline constexpr std::string_view kKeyCookie = "Cookie";
inline constexpr std::string_view kKeyLanguage = "Language";  // "zh" or "en"

// Every stored entry ends with the terminator, the last one too; a filter entry's fields are separated by
// the field separator. The stored form has no escape.
inline constexpr std::string_view kEntryTerminator = "|)E(|";
inline constexpr std::string_view kFieldSeparator = "|)(|";

// One row of a filter list. The type is never stored or entered: it is derived from the mask.
struct FilterEntry {
    std::string mask, type, description;
    bool ticked = false;

    bool operator==(const FilterEntry&) const = default;
};

// The text after the mask's last ".", or "" when it has none.
std::string DeriveFilterType(std::string_view mask);
FilterEntry MakeFilterEntry(std::string_view mask, std::string_view description, bool ticked);

// Entry lists ("Exclude Paths", "Cookie"). Parsing stops at the first empty entry; text after the last
// terminator is ignored.
std::vector<std::string> ParseEntryList(std::string_view value);
std::string BuildEntryList(const std::vector<std::string>& entries);

// Filter lists ("Include Filters", "Exclude Filters"): mask, separator, description, separator, tick flag,
// terminator. Parsing stops at the first malformed entry, keeping those before it.
std::vector<FilterEntry> ParseFilterList(std::string_view value);
std::string BuildFilterList(const std::vector<FilterEntry>& entries);

// "General": one "1"/"0" per scan option, then "10" for the Recycle Bin or "01" for direct deletion.
GeneralOptions ParseGeneral(std::string_view value);
std::string BuildGeneral(const GeneralOptions& options);
