#pragma once
#include <string>

// The history index files (index.dat under the MSHist folders of the history folder).

// True when every byte past the index header is zero, or the file is too short to hold entries.
// Every byte of the file is looked at, however long it is. A file that cannot be opened for reading
// counts as empty: the wipe cannot clean it, so the page must not offer it as something to clean. One
// that can be read but not written counts by its content.
bool IsHistoryIndexEmpty(const std::string& path);

// Zeroes every byte past the header in place; the header and the length stay. A file that cannot be
// opened for reading and writing is skipped.
void WipeHistoryIndex(const std::string& path);
