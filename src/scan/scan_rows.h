#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The rows of the results list, kept by the program and served to the owner-data list view on demand.
// A row holds what the list shows and what the deletion checks again: the size and the last-write
// time seen by the scan. Locations are shared: one string per folder.
struct ScanRow {
    std::wstring name;
    uint32_t folder = 0;  // index into ScanRows::folders
    bool ticked = true;
    uint32_t nameKey = 0;  // offset of the name's sort key in ScanRows::nameKeys
    int64_t size = 0;
    uint64_t lastWrite = 0;
};

struct ScanRows {
    std::vector<std::wstring> folders;  // each ends in "\"
    std::vector<ScanRow> rows;
    // The locale's sort key of every name, each ending in its zero byte, made as the row arrives: a
    // scan pays a few microseconds a file, and sorting a million names needs no locale calls.
    std::string nameKeys;
    // The name, location or size order the rows are in (-1: none): sorting the same column the other
    // way round is then a reversal. Ticks change under the rows, so the tick column is never kept.
    int sortedColumn = -1;
    bool sortedDescending = false;

    void Clear();
    // Appends a ticked row; a folder given again as the last one reuses its string.
    void Append(const std::wstring& folder, const wchar_t* name, int64_t size, uint64_t lastWrite);
    const std::wstring& Location(const ScanRow& row) const { return folders[row.folder]; }
    std::wstring FullPath(const ScanRow& row) const { return folders[row.folder] + row.name; }
};

// Sorts the rows by a column of the results list: 0 tick (unticked first), 1 name, 2 location (both by
// the user's locale, ignoring case), 3 size; descending reverses the ascending order.
void SortScanRows(ScanRows& rows, int column, bool descending);
