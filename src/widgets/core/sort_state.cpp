#include "widgets/core/sort_state.h"

const char* const kArrowUp = "↑";
const char* const kArrowDown = "↓";

void ListSortState::Click(int clicked) {
    if (clicked < 0) return;
    if (clicked >= int(direction.size())) direction.resize(clicked + 1, kNotSorted);
    int& dir = direction[clicked];
    if (clicked == column && dir != kNotSorted)
        dir = 3 - dir;
    else if (dir == kNotSorted)
        dir = kAscending;
    column = clicked;
}

void ListSortState::Reset() {
    for (int& d : direction) d = kNotSorted;
}

std::string ListSortState::Caption(int col, const std::string& base) const {
    if (col != column || col >= int(direction.size())) return base;
    if (direction[col] == kAscending) return kArrowUp + base;
    if (direction[col] == kDescending) return kArrowDown + base;
    return base;
}
