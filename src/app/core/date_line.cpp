#include "app/core/date_line.h"

namespace {
const char* const kWeekdays[] = {"Sunday, ",   "Monday, ", "Tuesday, ", "Wednesday, ",
                                 "Thursday, ", "Friday, ", "Saturday, "};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
}  // namespace

// GCC 12's libstdc++ warns that the copy inside `" " + std::string&&` may overlap itself (GCC bug
// 105329, a false positive of -Wrestrict on inlined std::string code); the Windows build stops on
// warnings, so that one warning is silenced here and nowhere else.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
std::string DateLineText(int year, int month, int day, int weekday) {
    std::string text;
    if (weekday >= 0 && weekday <= 6) text += kWeekdays[weekday];
    if (month >= 1 && month <= 12) text += kMonths[month - 1];
    text += " " + std::to_string(day) + ", " + std::to_string(year);
    return text;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
