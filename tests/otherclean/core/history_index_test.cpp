#include "otherclean/core/history_index.h"

#include <gtest/gtest.h>

#include <string>

TEST(HistoryIndex, TailTest) {
    struct Case {
        size_t size;
        long nonZeroAt;  // -1 for none
        bool empty;
    } cases[] = {
        {0, -1, true},      {20479, -1, true},         {20479, 20478, true},  {20479, 0, true},
        {20480, -1, true},  {20480, 20478, true},      {20480, 20479, false}, {30000, 29999, false},
        {30000, 100, true}, {1500000, 1200000, false}, {1500000, -1, true},
    };
    for (const Case& c : cases) {
        std::string bytes(c.size, '\0');
        if (c.nonZeroAt >= 0) bytes[c.nonZeroAt] = 'x';
        EXPECT_EQ(HistoryIndexTailIsZero(bytes), c.empty) << c.size << " " << c.nonZeroAt;
    }
}

TEST(HistoryIndex, WipeKeepsTheHeaderAndTheLength) {
    std::string bytes(1500000, 'h');
    ZeroHistoryIndexTail(bytes);
    ASSERT_EQ(bytes.size(), 1500000u);
    EXPECT_EQ(bytes.find_first_not_of('h'), kHistoryHeaderSize);
    EXPECT_EQ(bytes.find_first_not_of('\0', kHistoryHeaderSize), std::string::npos);
    EXPECT_TRUE(HistoryIndexTailIsZero(bytes));
}

TEST(HistoryIndex, WipeOfTheSmallestIndexClearsOnlyTheLastByte) {
    std::string bytes(20480, 'h');
    ZeroHistoryIndexTail(bytes);
    EXPECT_EQ(bytes, std::string(20479, 'h') + '\0');
}

TEST(HistoryIndex, ShortFileIsLeftUnchanged) {
    std::string bytes(20479, 'h');
    ZeroHistoryIndexTail(bytes);
    EXPECT_EQ(bytes, std::string(20479, 'h'));
    EXPECT_TRUE(HistoryIndexTailIsZero(bytes));
}
