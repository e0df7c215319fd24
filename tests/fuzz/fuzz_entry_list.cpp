// Parsing never fails, and a parsed list is stored back as the very text it was read from, up to the point
// where reading stopped.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/core/config_lists.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view value(reinterpret_cast<const char*>(bytes), size);
    const auto entries = ParseEntryList(value);
    const std::string stored = BuildEntryList(entries);
    for (const std::string& e : entries) {
        if (e.empty() || e.find(kEntryTerminator) != std::string::npos) std::abort();
    }
    if (!value.starts_with(stored) || ParseEntryList(stored) != entries) std::abort();
    return 0;
}
