#include "scan/scan_rows.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "platform/locale.h"

void ScanRows::Clear() {
    sortedColumn = -1;
    std::vector<ScanRow>().swap(rows);
    std::vector<std::wstring>().swap(folders);
}

void ScanRows::Append(const std::wstring& folder, const wchar_t* name, int64_t size, uint64_t lastWrite) {
    sortedColumn = -1;
    if (folders.empty() || folders.back() != folder) folders.push_back(folder);
    rows.push_back({name, uint32_t(folders.size() - 1), true, size, lastWrite});
}

namespace {

// The order of every row under the column's ascending comparison, as a rank per row.
template <typename Less>
void SortBy(ScanRows& r, bool descending, Less less) {
    std::vector<uint32_t> order(r.rows.size());
    std::iota(order.begin(), order.end(), 0u);
    if (descending)
        std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return less(b, a); });
    else
        std::stable_sort(order.begin(), order.end(), less);
    std::vector<ScanRow> sorted;
    sorted.reserve(r.rows.size());
    for (uint32_t i : order) sorted.push_back(std::move(r.rows[i]));
    r.rows.swap(sorted);
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
        case 1: {
            // All keys in one buffer, and their first eight bytes as a number that settles most
            // comparisons without touching the buffer.
            std::string arena;
            std::vector<uint32_t> start(r.rows.size() + 1);
            std::vector<uint64_t> prefix(r.rows.size());
            for (size_t i = 0; i < r.rows.size(); ++i) {
                start[i] = uint32_t(arena.size());
                AppendCollationKey(r.rows[i].name, arena);
                uint64_t head = 0;
                for (size_t b = 0; b < 8; ++b) {
                    size_t at = start[i] + b;
                    head = head << 8 | (at < arena.size() ? uint8_t(arena[at]) : 0);
                }
                prefix[i] = head;
            }
            start[r.rows.size()] = uint32_t(arena.size());
            auto key = [&](uint32_t i) {
                return std::string_view(arena).substr(start[i], start[i + 1] - start[i]);
            };
            SortBy(r, descending, [&](uint32_t a, uint32_t b) {
                if (prefix[a] != prefix[b]) return prefix[a] < prefix[b];
                return key(a) < key(b);
            });
            break;
        }
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
