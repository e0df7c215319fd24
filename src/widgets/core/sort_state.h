#pragma once
#include <string>
#include <vector>

// Column sorting state of a list view: the column sorted last and, per column, its direction.
// A first click sorts a column ascending, further clicks on it reverse it, and a column clicked again
// after another one resumes the direction it had.
enum SortDirection { kNotSorted = 0, kAscending = 1, kDescending = 2 };

struct ListSortState {
    int column = 0;
    std::vector<int> direction;

    explicit ListSortState(int columns = 0) : direction(columns, kNotSorted) {}
    void Click(int clicked);
    void Reset();  // every column unsorted; the remembered column stays
    int Direction() const { return column < int(direction.size()) ? direction[column] : kNotSorted; }
    // The caption a column shows: its arrow ("↑" or "↓") in front when it is the sorted column.
    std::string Caption(int col, const std::string& base) const;
};

// Turns an ascending comparison result into the current direction's.
inline int Directed(int ascending, int direction) {
    return direction == kDescending ? -ascending : ascending;
}

extern const char* const kArrowUp;    // "↑"
extern const char* const kArrowDown;  // "↓"
