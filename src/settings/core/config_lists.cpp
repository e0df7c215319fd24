#include "settings/core/config_lists.h"

namespace {
// Records shorter than this cannot hold a mask, two separators and a tick flag.
constexpr size_t kMinFilterRecord = 9;
// The tick flag and the separator before it, dropped from a record's end by position.
constexpr size_t kFilterTail = kFieldSeparator.size() + 1;
}  // namespace

std::string DeriveFilterType(std::string_view mask) {
    const size_t dot = mask.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(mask.substr(dot + 1));
}

FilterEntry MakeFilterEntry(std::string_view mask, std::string_view description, bool ticked) {
    return {std::string(mask), DeriveFilterType(mask), std::string(description), ticked};
}

std::vector<std::string> ParseEntryList(std::string_view value) {
    std::vector<std::string> entries;
    if (value.size() <= kEntryTerminator.size()) return entries;
    for (;;) {
        const size_t end = value.find(kEntryTerminator);
        if (end == std::string_view::npos || end == 0) break;
        entries.emplace_back(value.substr(0, end));
        value.remove_prefix(end + kEntryTerminator.size());
    }
    return entries;
}

std::string BuildEntryList(const std::vector<std::string>& entries) {
    std::string value;
    for (const std::string& entry : entries) value.append(entry).append(kEntryTerminator);
    return value;
}

std::vector<FilterEntry> ParseFilterList(std::string_view value) {
    std::vector<FilterEntry> entries;
    if (value.size() <= kMinFilterRecord) return entries;
    for (;;) {
        const size_t end = value.find(kEntryTerminator);
        if (end == std::string_view::npos || end < kMinFilterRecord) break;
        const std::string_view record = value.substr(0, end);
        const size_t sep = record.find(kFieldSeparator);
        if (sep == std::string_view::npos || sep == 0) break;
        // The description is whatever lies between the first separator and the record's tail, so a
        // description holding the separator itself still loads back whole.
        const size_t descStart = sep + kFieldSeparator.size();
        const size_t descEnd = record.size() - kFilterTail;
        const std::string_view description =
            descEnd > descStart ? record.substr(descStart, descEnd - descStart) : std::string_view();
        entries.push_back(MakeFilterEntry(record.substr(0, sep), description, record.back() == '1'));
        value.remove_prefix(end + kEntryTerminator.size());
    }
    return entries;
}

std::string BuildFilterList(const std::vector<FilterEntry>& entries) {
    std::string value;
    for (const FilterEntry& e : entries) {
        value.append(e.mask).append(kFieldSeparator).append(e.description).append(kFieldSeparator);
        value.append(e.ticked ? "1" : "0").append(kEntryTerminator);
    }
    return value;
}

GeneralOptions ParseGeneral(std::string_view value) {
    const auto on = [value](size_t pos) { return pos < value.size() && value[pos] == '1'; };
    // The sixth flag only mirrors the fifth; the fifth alone chooses the delete mode.
    return {on(0), on(1), on(2), on(3), on(4)};
}

std::string BuildGeneral(const GeneralOptions& o) {
    std::string value;
    for (bool flag : {o.read, o.system, o.hide, o.zero}) value += flag ? '1' : '0';
    return value + (o.recycle ? "10" : "01");
}
