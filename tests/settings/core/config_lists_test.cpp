#include "settings/core/config_lists.h"

#include <gtest/gtest.h>

// Readable failure output for filter rows.
void PrintTo(const FilterEntry& e, std::ostream* os) {
    *os << "{" << e.mask << ", " << e.type << ", " << e.description << ", " << e.ticked << "}";
}

using Entries = std::vector<std::string>;

TEST(ParseEntryList, StopsAtEmptyEntriesAndUnterminatedText) {
    struct Case {
        std::string value;
        Entries entries;
    } cases[] = {
        {"", {}},
        {"|)E(|", {}},
        {"a|)E(|", {"a"}},
        {"?:\\win*\\temp|)E(|*\\sendto|)E(|", {"?:\\win*\\temp", "*\\sendto"}},
        {"C:\\a|)E(||)E(|C:\\b|)E(|", {"C:\\a"}},  // the empty entry ends the list
        {"C:\\a|)E(|C:\\b", {"C:\\a"}},            // text after the last terminator
        {"|)E(|C:\\a|)E(|", {}},
        {"no terminator at all", {}},
        {" a |)E(|", {" a "}},                 // entries are not trimmed
        {"a|)E(|)E(|b|)E(|", {"a", ")E(|b"}},  // the search resumes after a terminator
        {"a|)(|b|)E(|", {"a|)(|b"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseEntryList(c.value), c.entries) << c.value;
}

TEST(ParseEntryList, RoundTripsThroughBuild) {
    // ANSI (GBK) bytes of 中文\目录, as Config.ini holds them
    const Entries entries = {"?:\\win*\\temp", "\xD6\xD0\xCE\xC4\\\xC4\xBF\xC2\xBC", "x", "a|)(|b"};
    EXPECT_EQ(BuildEntryList(entries),
              "?:\\win*\\temp|)E(|\xD6\xD0\xCE\xC4\\\xC4\xBF\xC2\xBC|)E(|x|)E(|a|)(|b|)E(|");
    EXPECT_EQ(ParseEntryList(BuildEntryList(entries)), entries);
    EXPECT_EQ(BuildEntryList({}), "");
}

TEST(DeriveFilterType, TakesTextAfterTheLastDot) {
    struct Case {
        const char *mask, *type;
    } cases[] = {
        {"*.tmp", "tmp"}, {"twain???.mtx", "mtx"}, {"*__ofidx*.*", "*"},
        {"*.~*", "~*"},   {"WebPoolFileFile", ""}, {"a.", ""},
        {"", ""},         {"a.b.c", "c"},
    };
    for (const Case& c : cases) EXPECT_EQ(DeriveFilterType(c.mask), c.type) << c.mask;
}

TEST(ParseFilterList, ReadsFieldsByPosition) {
    struct Case {
        std::string value;
        std::vector<FilterEntry> entries;
    } cases[] = {
        {"*.tmp|)(|Temporary Files|)(|1|)E(|*.bak|)(|Backup Files|)(|0|)E(|",
         {{"*.tmp", "tmp", "Temporary Files", true}, {"*.bak", "bak", "Backup Files", false}}},
        {"*.~*|)(||)(|1|)E(|", {{"*.~*", "~*", "", true}}},
        {"*.a|)(|x|)(|y|)(|1|)E(|", {{"*.a", "a", "x|)(|y", true}}},  // separator inside the description
        {"*.a|)(|d|)(|x|)E(|*.b|)(|d|)(|Y|)E(|", {{"*.a", "a", "d", false}, {"*.b", "b", "d", false}}},
        {"*.a|)(|desc1234561|)E(|", {{"*.a", "a", "desc12", true}}},  // last five dropped whatever they hold
        {"ab|)(|12345|)E(|", {{"ab", "", "", false}}},  // five after the separator: no description
        {"ab|)(|xyz|)E(|", {{"ab", "", "", false}}},
        {"*.a|)(|A|)(|1|)E(||)(|B|)(|1|)E(|*.c|)(|C|)(|1|)E(|", {{"*.a", "a", "A", true}}},  // empty mask
        {"*.a|)(|A|)(|1|)E(|short|)E(|*.c|)(|C|)(|1|)E(|", {{"*.a", "a", "A", true}}},       // record under 9
        {"*.a|)(|A|)(|1|)E(|nosepara|)E(|", {{"*.a", "a", "A", true}}},                      // no separator
        {"*.a|)(|A|)(|1|)E(|*.c|)(|C|)(|1", {{"*.a", "a", "A", true}}},                      // unterminated
        {"*.a|)(|A|)(|1", {}},
        {"a|)(||)(|1", {}},  // nine characters
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseFilterList(c.value), c.entries) << c.value;
}

TEST(ParseFilterList, RoundTripsThroughBuild) {
    const std::vector<FilterEntry> entries = {
        MakeFilterEntry("*.tmp", "Temporary Files", true),
        MakeFilterEntry("\"*.#Res", "", false),
        MakeFilterEntry("*.\xC1\xD9\xCA\xB1", "\xC1\xD9\xCA\xB1\xCE\xC4\xBC\xFE |)(| x", true),  // GBK
        MakeFilterEntry("x", "a|)(|", false),
    };
    const std::string value = BuildFilterList(entries);
    EXPECT_TRUE(value.starts_with("*.tmp|)(|Temporary Files|)(|1|)E(|\"*.#Res|)(||)(|0|)E(|"));
    EXPECT_EQ(ParseFilterList(value), entries);
    EXPECT_EQ(ParseFilterList(value)[2].type, "\xC1\xD9\xCA\xB1");
    EXPECT_EQ(BuildFilterList({}), "");
}

TEST(General, ParsesPositionsAndBuildsTheRadioPair) {
    struct Case {
        const char* value;
        GeneralOptions options;
    } cases[] = {
        {"", {}},
        {"1", {.read = true}},
        {"111110", {true, true, true, true, true}},
        {"101010", {.read = true, .hide = true, .recycle = true}},
        {"000001", {}},
        {"0000", {}},
        {"x1y1z", {.system = true, .zero = true}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseGeneral(c.value), c.options) << c.value;
    EXPECT_EQ(BuildGeneral({true, false, true, false, true}), "101010");
    EXPECT_EQ(BuildGeneral({false, true, false, true, false}), "010101");
    EXPECT_EQ(BuildGeneral({}), "000001");
}
