#pragma once
#include <string>

// The date line of the left column, e.g. "Friday, Dec 24, 2004".
// month is 1..12, weekday 0..6 with 0 = Sunday.
std::string DateLineText(int year, int month, int day, int weekday);
