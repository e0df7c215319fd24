// Parsing never fails, and storing the parsed rows and parsing again gives the same rows. The exception is
// a description that forms an entry terminator with the separators around it (HasEntryTerminator flags
// such texts, e.g. ")E("); the rows before it still come back.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/core/config_lists.h"
#include "settings/core/filter_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view value(reinterpret_cast<const char*>(bytes), size);
    const auto entries = ParseFilterList(value);
    for (const FilterEntry& e : entries) {
        if (e.mask.empty() || e.mask.find(kFieldSeparator) != std::string::npos) std::abort();
        if (e.type != DeriveFilterType(e.mask)) std::abort();
    }
    size_t storable = 0;
    while (storable < entries.size() && !HasEntryTerminator(entries[storable].description)) ++storable;

    const auto again = ParseFilterList(BuildFilterList(entries));
    if (storable == entries.size() && again != entries) std::abort();
    if (again.size() < storable || !std::equal(entries.begin(), entries.begin() + storable, again.begin())) {
        std::abort();
    }
    return 0;
}
