#include "scan/scan_rows.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <thread>

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
    // Rows that compare equal have no defined order, so the faster unstable sort serves.
    if (descending)
        std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return less(b, a); });
    else
        std::sort(order.begin(), order.end(), less);
    std::vector<ScanRow> sorted;
    sorted.reserve(r.rows.size());
    for (uint32_t i : order) sorted.push_back(std::move(r.rows[i]));
    r.rows.swap(sorted);
}

// The locale's sort keys of every row's name, in two shared buffers built by two threads (the keys are
// most of a name sort's time), and their first eight bytes as a number that settles most comparisons
// without touching the buffers.
class NameKeys {
public:
    explicit NameKeys(const std::vector<ScanRow>& rows) : half_(uint32_t(rows.size() / 2)), prefix_(rows.size()) {
        std::thread first([&] { Build(rows, 0, half_, lower_); });
        Build(rows, half_, uint32_t(rows.size()), upper_);
        first.join();
    }
    bool Less(uint32_t a, uint32_t b) const {
        if (prefix_[a] != prefix_[b]) return prefix_[a] < prefix_[b];
        return Key(a) < Key(b);
    }

private:
    struct Buffer {
        std::string bytes;
        std::vector<uint32_t> start;  // one more than keys
    };
    void Build(const std::vector<ScanRow>& rows, uint32_t from, uint32_t to, Buffer& out) {
        out.start.reserve(to - from + 1);
        for (uint32_t i = from; i < to; ++i) {
            size_t at = out.bytes.size();
            out.start.push_back(uint32_t(at));
            AppendCollationKey(rows[i].name, out.bytes);
            uint64_t head = 0;
            for (size_t b = 0; b < 8; ++b)
                head = head << 8 | (at + b < out.bytes.size() ? uint8_t(out.bytes[at + b]) : 0);
            prefix_[i] = head;
        }
        out.start.push_back(uint32_t(out.bytes.size()));
    }
    std::string_view Key(uint32_t i) const {
        const Buffer& buffer = i < half_ ? lower_ : upper_;
        uint32_t k = i < half_ ? i : i - half_;
        return std::string_view(buffer.bytes).substr(buffer.start[k], buffer.start[k + 1] - buffer.start[k]);
    }
    uint32_t half_;
    std::vector<uint64_t> prefix_;
    Buffer lower_, upper_;
};

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
            NameKeys keys(r.rows);
            SortBy(r, descending, [&](uint32_t a, uint32_t b) { return keys.Less(a, b); });
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
