// The matcher sees every file name of a drive and every mask a user types into the filter lists.
#include "scan/core/match_mask.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string UpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

}  // namespace

// Input: name, a NUL byte, mask.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string_view name = input.substr(0, split);
    const std::string_view mask =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    const bool match = MatchMask(name, mask);
    if (match && (name.empty() || mask.empty())) std::abort();
    if (MatchMask(name, "*") != !name.empty()) std::abort();
    if (MatchMask(UpperAscii(name), UpperAscii(mask)) != match) std::abort();
    if (!name.empty() && name.find('*') == std::string_view::npos && !MatchMask(name, name)) std::abort();
    if (mask.find("**") != std::string_view::npos && match) std::abort();
    return 0;
}
