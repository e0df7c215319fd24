#include "widgets/core/sort_state.h"

#include <gtest/gtest.h>

namespace {
std::string Arrows(const ListSortState& s, int columns) {
    std::string out;
    for (int c = 0; c < columns; ++c) out += s.Caption(c, std::to_string(c)) + " ";
    return out;
}
}  // namespace

TEST(ListSortState, ClickSequencesGiveDirectionsAndOneArrow) {
    const std::string up = kArrowUp, down = kArrowDown;
    struct Case {
        std::vector<int> clicks;
        int column, direction;
        std::string captions;
    } cases[] = {
        {{}, 0, kNotSorted, "0 1 2 "},
        {{0}, 0, kAscending, up + "0 1 2 "},
        {{1}, 1, kAscending, "0 " + up + "1 2 "},
        {{1, 1}, 1, kDescending, "0 " + down + "1 2 "},
        {{1, 1, 1}, 1, kAscending, "0 " + up + "1 2 "},
        {{1, 2, 1}, 1, kAscending, "0 " + up + "1 2 "},        // resumes, no toggle
        {{1, 1, 2, 1}, 1, kDescending, "0 " + down + "1 2 "},  // resumes descending
        {{1, 2}, 2, kAscending, "0 1 " + up + "2 "},
    };
    for (const Case& c : cases) {
        ListSortState s(3);
        for (int k : c.clicks) s.Click(k);
        EXPECT_EQ(s.column, c.column);
        EXPECT_EQ(s.Direction(), c.direction);
        EXPECT_EQ(Arrows(s, 3), c.captions);
    }
}

TEST(ListSortState, ResetClearsArrowsAndKeepsColumn) {
    ListSortState s(3);
    s.Click(2);
    s.Reset();
    EXPECT_EQ(s.column, 2);
    EXPECT_EQ(Arrows(s, 3), "0 1 2 ");
    s.Click(2);
    EXPECT_EQ(s.Direction(), kAscending);
}

TEST(ListSortState, DirectedSwapsForDescending) {
    EXPECT_EQ(Directed(-1, kAscending), -1);
    EXPECT_EQ(Directed(-1, kDescending), 1);
    EXPECT_EQ(Directed(0, kDescending), 0);
}
