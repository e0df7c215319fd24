#include "settings/core/filter_input.h"

#include "settings/core/config_lists.h"

std::string TrimBlanksAndControls(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

// Text inside the program is UTF-8, whose multi-byte sequences never contain ASCII bytes, so a byte-wise
// search cannot hit the second byte of a wide character.
std::string RefusedCharsIn(std::string_view mask) {
    std::string found;
    for (char c : kRefusedMaskChars)
        if (mask.find(c) != std::string_view::npos) found += c;
    return found;
}

bool HasEntryTerminator(std::string_view text) {
    const std::string_view head = kEntryTerminator.substr(0, kEntryTerminator.size() - 1);  // "|)E("
    const std::string_view tail = kEntryTerminator.substr(1);                               // ")E(|"
    return text.find(kEntryTerminator) != std::string_view::npos || text.ends_with(head) ||
           text.starts_with(tail) || text == head.substr(1);
}
