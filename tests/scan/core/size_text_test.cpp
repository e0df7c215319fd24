#include "scan/core/size_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

struct SizeCase {
    int64_t value;
    const char* text;
};

constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

}  // namespace

TEST(FormatSize, EveryRangeAndBoundary) {
    const SizeCase cases[] = {
        {0, "0 Byte(s)"},
        {1, "1 Byte(s)"},
        {1023, "1023 Byte(s)"},
        {1024, "1.00 KB"},
        {1025, "1.00 KB"},
        {1029, "1.00 KB"},
        {1030, "1.01 KB"},
        {1535, "1.50 KB"},
        {2047, "2.00 KB"},
        {1048575, "1024.00 KB"},
        {1048576, "1.00 MB"},
        {1500000, "1.43 MB"},
        {500000000, "476.84 MB"},
        {3000000000LL, "2861.02 MB"},
        {5LL << 30, "5120.00 MB"},
        // Single precision: the double quotient would print 953674316.41.
        {1000000000000000LL, "953674304.00 MB"},
        {kMax, "8796093022208.00 MB"},
    };
    for (const SizeCase& c : cases) EXPECT_EQ(FormatSize(c.value), c.text) << c.value;
}

TEST(FormatSize, NegativeValuesStayInBytes) {
    const SizeCase cases[] = {
        {-1, "-1 Byte(s)"},
        {-5, "-5 Byte(s)"},
        {-1024, "-1024 Byte(s)"},
        {-3000000000LL, "-3e+09 Byte(s)"},
        {-16777217, "-16777216 Byte(s)"},
        {kMin, "-9.223372e+18 Byte(s)"},
    };
    for (const SizeCase& c : cases) EXPECT_EQ(FormatSize(c.value), c.text) << c.value;
}

TEST(FormatSize, UsesTheLocaleDecimalSeparator) {
    EXPECT_EQ(FormatSize(1500000, ','), "1,43 MB");
    EXPECT_EQ(FormatSize(1536, ','), "1,50 KB");
    EXPECT_EQ(FormatSize(1023, ','), "1023 Byte(s)");
    EXPECT_EQ(FormatInternetCacheSize(1536, ','), "1,50 KB");
    EXPECT_EQ(FormatCookieKilobytes(1536, ','), "1,50 MB");
}

TEST(OtherCleanLabels, ThreeVariantsAtTheBoundaries) {
    struct Case {
        int64_t bytes;
        const char* general;
        const char* internetCache;
    } cases[] = {
        {0, "0 Byte(s)", "0 Byte(s)"},         {1023, "1023 Byte(s)", "1023 Byte(s)"},
        {1024, "1.00 KB", "1024 Byte(s)"},     {1025, "1.00 KB", "1.00 KB"},
        {1048575, "1024.00 KB", "1024.00 KB"}, {1048576, "1.00 MB", "1.00 MB"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatSize(c.bytes), c.general) << c.bytes;
        EXPECT_EQ(FormatInternetCacheSize(c.bytes), c.internetCache) << c.bytes;
    }
}

TEST(OtherCleanLabels, CookiesCountFourKilobytesEach) {
    const SizeCase cases[] = {
        {0, "0 KB"},          {12, "12 KB"},     {255 * 4, "1020 KB"}, {1023, "1023 KB"},
        {256 * 4, "1.00 MB"}, {1025, "1.00 MB"}, {1536, "1.50 MB"},    {kMax, "9007199254740992.00 MB"},
    };
    for (const SizeCase& c : cases) EXPECT_EQ(FormatCookieKilobytes(c.value), c.text) << c.value;
}
