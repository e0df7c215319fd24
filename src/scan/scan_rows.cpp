#include "scan/scan_rows.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string_view>

#include "platform/locale.h"

void ScanRows::Clear() {
    sortedColumn = -1;
    std::string().swap(nameKeys);
    std::vector<ScanRow>().swap(rows);
    std::vector<std::wstring>().swap(folders);
}

void ScanRows::Append(const std::wstring& folder, const wchar_t* name, int64_t size, uint64_t lastWrite) {
    sortedColumn = -1;
    if (folders.empty() || folders.back() != folder) folders.push_back(folder);
    uint32_t key = uint32_t(nameKeys.size());
    std::wstring text = name;
    AppendCollationKey(text, nameKeys);
    if (nameKeys.size() == key || nameKeys.back() != '\0') nameKeys.push_back('\0');
    rows.push_back({std::move(text), uint32_t(folders.size() - 1), true, key, size, lastWrite});
}

namespace {

// Puts the rows into the given order of their present indexes.
void ApplyOrder(ScanRows& r, const std::vector<uint32_t>& order) {
    std::vector<ScanRow> sorted;
    sorted.reserve(r.rows.size());
    for (uint32_t i : order) sorted.push_back(std::move(r.rows[i]));
    r.rows.swap(sorted);
}

// Sorts the rows by the column's ascending comparison of two row indexes.
template <typename Less>
void SortBy(ScanRows& r, bool descending, Less less) {
    std::vector<uint32_t> order(r.rows.size());
    std::iota(order.begin(), order.end(), 0u);
    // Rows that compare equal have no defined order, so the faster unstable sort serves.
    if (descending)
        std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return less(b, a); });
    else
        std::sort(order.begin(), order.end(), less);
    ApplyOrder(r, order);
}

// Names sort by their keys' first 24 bytes held beside the row index, which settles nearly every
// comparison in contiguous memory; only keys equal that far are compared on from the shared buffer.
void SortByName(ScanRows& r, bool descending) {
    struct Item {
        uint64_t head[3];
        uint32_t key, row;
    };
    const char* keys = r.nameKeys.c_str();
    std::vector<Item> items(r.rows.size());
    for (uint32_t i = 0; i < items.size(); ++i) {
        Item& item = items[i];
        item.key = r.rows[i].nameKey;
        item.row = i;
        const char* k = keys + item.key;
        bool ended = false;
        for (uint64_t& word : item.head) {
            word = 0;
            for (int b = 0; b < 8; ++b) {
                uint8_t byte = ended ? 0 : uint8_t(*k++);
                ended = ended || byte == 0;
                word = word << 8 | byte;
            }
        }
    }
    auto less = [keys](const Item& a, const Item& b) {
        for (int w = 0; w < 3; ++w)
            if (a.head[w] != b.head[w]) return a.head[w] < b.head[w];
        if ((a.head[2] & 0xFF) == 0) return false;  // both keys ended within the heads: equal
        return std::strcmp(keys + a.key + 24, keys + b.key + 24) < 0;
    };
    if (descending)
        std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) { return less(b, a); });
    else
        std::sort(items.begin(), items.end(), less);
    std::vector<uint32_t> order(items.size());
    for (size_t i = 0; i < items.size(); ++i) order[i] = items[i].row;
    ApplyOrder(r, order);
}

// Folders are few against rows: rank them once with the locale's comparison, then compare ranks.
std::vector<uint32_t> FolderRanks(const ScanRows& r) {
    std::vector<uint32_t> order(r.folders.size());
    std::iota(order.begin(), order.end(), 0u);
    std::vector<std::string> keys;
    keys.reserve(r.folders.size());
    for (const std::wstring& f : r.folders) keys.push_back(CollationKey(f));
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return keys[a] < keys[b]; });
    std::vector<uint32_t> rank(r.folders.size());
    for (uint32_t i = 0; i < order.size(); ++i) {
        bool sameAsBefore = i > 0 && keys[order[i]] == keys[order[i - 1]];
        rank[order[i]] = sameAsBefore ? rank[order[i - 1]] : i;
    }
    return rank;
}

}  // namespace

void SortScanRows(ScanRows& r, int column, bool descending) {
    if (column != 0 && column == r.sortedColumn) {
        // Rows that compare equal have no defined order, so the reverse order is a valid sort.
        if (descending != r.sortedDescending) std::reverse(r.rows.begin(), r.rows.end());
        r.sortedDescending = descending;
        return;
    }
    r.sortedColumn = column == 0 ? -1 : column;
    r.sortedDescending = descending;
    switch (column) {
        case 0:
            SortBy(r, descending,
                   [&](uint32_t a, uint32_t b) { return r.rows[a].ticked < r.rows[b].ticked; });
            break;
        case 1:
            SortByName(r, descending);
            break;
        case 2: {
            std::vector<uint32_t> rank = FolderRanks(r);
            SortBy(r, descending,
                   [&](uint32_t a, uint32_t b) { return rank[r.rows[a].folder] < rank[r.rows[b].folder]; });
            break;
        }
        case 3:
            SortBy(r, descending, [&](uint32_t a, uint32_t b) { return r.rows[a].size < r.rows[b].size; });
            break;
    }
}
