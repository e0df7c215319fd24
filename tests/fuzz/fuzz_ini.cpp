// Writing a key and reading it back gives the value; every other key reads as before.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/core/ini_file.h"

namespace {
// Cuts the next NUL-terminated field off the input.
std::string_view Field(std::string_view& data) {
    const size_t end = data.find('\0');
    const std::string_view field = data.substr(0, end);
    data.remove_prefix(end == std::string_view::npos ? data.size() : end + 1);
    return field;
}

std::string Folded(std::string_view name) {
    const size_t first = name.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    name = name.substr(first, name.find_last_not_of(" \t\r") - first + 1);
    std::string out(name);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
    }
    return out;
}

void Check(bool ok) {
    if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const std::string_view section = Field(data), key = Field(data), value = Field(data);
    const std::string_view otherSection = Field(data), otherKey = Field(data), file = data;

    const std::string out = IniWriteValue(file, section, key, value);
    if (!IniCanStore(section, key, value)) {
        Check(out == file);
        return 0;
    }
    Check(IniReadValue(out, section, key) == value);
    Check(IniWriteValue(out, section, key, value) == out);
    if (Folded(section) != Folded(otherSection) || Folded(key) != Folded(otherKey)) {
        Check(IniReadValue(out, otherSection, otherKey) == IniReadValue(file, otherSection, otherKey));
    }
    return 0;
}
