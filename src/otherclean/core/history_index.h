#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// A history index file (index.dat under an MSHist folder) keeps its header in the first
// kHistoryHeaderSize bytes; the history counts as empty when everything after the header is zero.
// Files shorter than kHistoryHeaderSize + 1 bytes are never looked into.
constexpr size_t kHistoryHeaderSize = 20479;

// True when bytes is too short to hold entries or every byte past the header is zero.
bool HistoryIndexTailIsZero(std::string_view bytes);

// Clears the entries and keeps the header; the length stays, so the file is rewritten in place.
void ZeroHistoryIndexTail(std::string& bytes);
