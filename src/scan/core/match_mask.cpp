#include "scan/core/match_mask.h"

#include <cstddef>

namespace {

// Only A-Z fold: the names are bytes of the ANSI code page, whose other letters compare exactly.
inline unsigned char Fold(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return unsigned(u - 'A') < 26u ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

inline bool SameFolded(char a, char b) { return Fold(a) == Fold(b); }

// The tail after the last star: '?' stands for any one byte.
bool TailMatches(std::string_view name, std::string_view segment) {
    const size_t start = name.size() - segment.size();
    for (size_t p = 0; p < segment.size(); ++p) {
        if (segment[p] != '?' && !SameFolded(name[start + p], segment[p])) return false;
    }
    return true;
}

// First occurrence of a segment between two stars; '?' is an ordinary byte here.
size_t FindFolded(std::string_view name, size_t from, std::string_view segment) {
    if (segment.empty() || segment.size() > name.size()) return std::string_view::npos;
    const unsigned char first = Fold(segment[0]);
    for (size_t pos = from; pos + segment.size() <= name.size(); ++pos) {
        if (Fold(name[pos]) != first) continue;
        size_t p = 1;
        while (p < segment.size() && SameFolded(name[pos + p], segment[p])) ++p;
        if (p == segment.size()) return pos;
    }
    return std::string_view::npos;
}

}  // namespace

bool MatchMask(std::string_view name, std::string_view mask) {
    const size_t n = name.size();
    const size_t m = mask.size();
    if (n == 0 || m == 0) return false;
    size_t i = 0;
    size_t j = 0;
    while (i < m) {
        const char c = mask[i];
        if (c == '*') {
            size_t k = mask.find('*', i + 1);
            if (k == std::string_view::npos) k = m;
            const std::string_view segment = mask.substr(i + 1, k - i - 1);
            // What is left of the name must be longer than the segment.
            if (j >= n || segment.size() > n - j - 1) return false;
            if (k == m) return TailMatches(name, segment);
            const size_t found = FindFolded(name, j, segment);
            if (found == std::string_view::npos) return false;
            j = found + segment.size();
            i = k;
            continue;
        }
        if (j >= n) return false;
        if (c != '?' && !SameFolded(name[j], c)) return false;
        // The last mask byte must meet the last name byte.
        if (i == m - 1 && j != n - 1) return false;
        ++i;
        ++j;
    }
    return true;
}

bool IsDotName(std::string_view name) { return name == "." || name == ".."; }

bool MatchesAnyMask(std::string_view name, const std::vector<std::string>& masks) {
    if (IsDotName(name)) return false;
    for (const std::string& m : masks) {
        if (MatchMask(name, m)) return true;
    }
    return false;
}

bool IsSkippedByAttributes(bool readOnly, bool system, bool hidden, const GeneralOptions& options) {
    return (readOnly && !options.read) || (system && !options.system) || (hidden && !options.hide);
}
