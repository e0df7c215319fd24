#include "otherclean/core/history_index.h"

#include <algorithm>

bool HistoryIndexTailIsZero(std::string_view bytes) {
    if (bytes.size() <= kHistoryHeaderSize) return true;
    const std::string_view tail = bytes.substr(kHistoryHeaderSize);
    return std::all_of(tail.begin(), tail.end(), [](char c) { return c == '\0'; });
}

void ZeroHistoryIndexTail(std::string& bytes) {
    if (bytes.size() <= kHistoryHeaderSize) return;
    std::fill(bytes.begin() + kHistoryHeaderSize, bytes.end(), '\0');
}
