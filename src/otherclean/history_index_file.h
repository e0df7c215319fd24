#pragma once
#include <string>

// The history index files (index.dat under the MSHist folders of the history folder).

// True when every byte past the index header is zero, or the file is too short to hold entries.
// Every byte of the file is looked at, however long it is. A file that cannot be read counts as
// holding entries, so the history never shows as empty by mistake.
bool IsHistoryIndexEmpty(const std::string& path);

// Zeroes every byte past the header in place; the header and the length stay. A file that cannot be
// opened for reading and writing is skipped.
void WipeHistoryIndex(const std::string& path);
