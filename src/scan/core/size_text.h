#pragma once
#include <cstdint>
#include <string>

// Size texts of the scan counters and the Other Clean labels. A divided value is rounded to single
// precision before it is printed with two decimals; there is no GB step (5 GiB is "5120.00 MB").
// decimalSeparator is the user's locale's; it replaces the '.' of every decimal text.

// "1023 Byte(s)", "1.00 KB" (from 1,024 bytes), "1.43 MB" (from 1,048,576 bytes). Values below
// 1,024, negative ones included, print as a single-precision number in its shortest form.
std::string FormatSize(int64_t bytes, char decimalSeparator = '.');

// The temporary internet files label: like FormatSize, but 1,024 bytes still print as "1024 Byte(s)".
std::string FormatInternetCacheSize(int64_t bytes, char decimalSeparator = '.');

// The cookie label, which counts kilobytes: "1020 KB" below 1,024, then "1.00 MB".
std::string FormatCookieKilobytes(int64_t kb, char decimalSeparator = '.');
