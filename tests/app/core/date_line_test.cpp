#include "app/core/date_line.h"

#include <gtest/gtest.h>

TEST(DateLine, FormsWeekdayMonthDayYear) {
    struct Case {
        int y, m, d, wd;
        const char* text;
    } cases[] = {
        {2004, 12, 24, 5, "Friday, Dec 24, 2004"},   {2026, 3, 1, 0, "Sunday, Mar 1, 2026"},
        {2026, 12, 8, 2, "Tuesday, Dec 8, 2026"},    {2000, 1, 31, 1, "Monday, Jan 31, 2000"},
        {1999, 9, 9, 4, "Thursday, Sep 9, 1999"},    {2024, 2, 29, 4, "Thursday, Feb 29, 2024"},
        {2025, 11, 15, 6, "Saturday, Nov 15, 2025"}, {2024, 4, 3, 3, "Wednesday, Apr 3, 2024"},
        {2024, 5, 1, 3, "Wednesday, May 1, 2024"},   {2024, 6, 30, 0, "Sunday, Jun 30, 2024"},
        {2024, 7, 4, 4, "Thursday, Jul 4, 2024"},    {2024, 8, 15, 4, "Thursday, Aug 15, 2024"},
        {2024, 10, 31, 4, "Thursday, Oct 31, 2024"},
    };
    for (const Case& c : cases) EXPECT_EQ(DateLineText(c.y, c.m, c.d, c.wd), c.text);
}
