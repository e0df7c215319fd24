#include "settings/core/default_lists.h"

#include <gtest/gtest.h>

TEST(DefaultLists, HaveTheirRowCounts) {
    EXPECT_EQ(DefaultIncludeFilters().size(), 57u);
    EXPECT_EQ(DefaultExcludeFilters().size(), 27u);
    EXPECT_EQ(DefaultExcludePaths().size(), 29u);
}

TEST(DefaultLists, IncludeRowsKeepTheirOddities) {
    const auto& rows = DefaultIncludeFilters();
    struct Case {
        int row;
        const char *mask, *type, *description;
        bool ticked;
    } cases[] = {
        {1, "*.$$$", "$$$", "MS-DOS Temporary Files", true},
        {10, "\"*.#Res", "#Res", "Temporary Files (Mac Photoshop to PC)", true},
        {41, "*.~*", "~*", "", true},
        {42, "*log.txt", "txt", "Log Files", false},
        {43, "*__ofidx*.*", "*", "Microsoft Find Fast Indexer File", true},
        {46, "chklist.*", "*", "Microsoft Junk File", true},
        {56, "twain???.mtx", "mtx", "TWAIN Temporary file", true},
        {57, "~*.*", "*", "Temporary Files", true},
    };
    for (const Case& c : cases) {
        const FilterEntry& e = rows[c.row - 1];
        EXPECT_EQ(e.mask, c.mask) << c.row;
        EXPECT_EQ(e.type, c.type) << c.row;
        EXPECT_EQ(e.description, c.description) << c.row;
        EXPECT_EQ(e.ticked, c.ticked) << c.row;
    }
    EXPECT_EQ(rows[9].mask.size(), 7u);
}

TEST(DefaultLists, EightIncludeRowsStartUnticked) {
    std::vector<int> unticked;
    for (size_t i = 0; i < DefaultIncludeFilters().size(); ++i) {
        if (!DefaultIncludeFilters()[i].ticked) unticked.push_back(int(i) + 1);
    }
    EXPECT_EQ(unticked, (std::vector<int>{11, 23, 25, 26, 35, 36, 42, 53}));
}

TEST(DefaultLists, ExcludeFiltersAreAllTicked) {
    const auto& rows = DefaultExcludeFilters();
    for (const FilterEntry& e : rows) EXPECT_TRUE(e.ticked) << e.mask;
    EXPECT_EQ(rows[0].mask, "config.*");
    EXPECT_EQ(rows[22].mask, "WebPoolFileFile");
    EXPECT_EQ(rows[22].type, "");
    EXPECT_EQ(rows[22].description, "N/A");
    EXPECT_EQ(rows[26].mask, "wz.pif");
}

TEST(DefaultLists, ExcludePathsRunFromDriveRootsToAnyDepth) {
    const auto& rows = DefaultExcludePaths();
    EXPECT_EQ(rows.front(), "?:\\Program files\\common files");
    EXPECT_EQ(rows[12], "?:\\SYSTEM VOLUME INFORMATION");
    EXPECT_EQ(rows[13], "*\\temporary internet files");
    EXPECT_EQ(rows[27], "*\\microsoft\\money\\*\\webcache");
    EXPECT_EQ(rows.back(), "*\\microsoft\\office\\data");
}

// Default followed by Save and a new start must bring back exactly the built-in rows.
TEST(DefaultLists, SurviveSaveAndLoad) {
    EXPECT_EQ(ParseFilterList(BuildFilterList(DefaultIncludeFilters())), DefaultIncludeFilters());
    EXPECT_EQ(ParseFilterList(BuildFilterList(DefaultExcludeFilters())), DefaultExcludeFilters());
    EXPECT_EQ(ParseEntryList(BuildEntryList(DefaultExcludePaths())), DefaultExcludePaths());
    EXPECT_EQ(BuildGeneral(DefaultGeneralOptions()), "101010");
    EXPECT_EQ(ParseGeneral("101010"), DefaultGeneralOptions());
}
