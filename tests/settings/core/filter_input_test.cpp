#include "settings/core/filter_input.h"

#include <gtest/gtest.h>

#include "settings/core/config_lists.h"

TEST(TrimBlanksAndControls, DropsEveryByteUpToSpaceAtBothEnds) {
    struct Case {
        const char *in, *out;
    } cases[] = {
        {"  *.jnk  ", "*.jnk"},
        {"  Junk  ", "Junk"},
        {"\t\r\n*.a\x01\x1f", "*.a"},
        {"   ", ""},
        {"", ""},
        {"a b", "a b"},
        {" \xD6\xD0 ", "\xD6\xD0"},
        {"\x7f", "\x7f"},
    };
    for (const Case& c : cases) EXPECT_EQ(TrimBlanksAndControls(c.in), c.out) << c.in;
}

TEST(MaskHasRefusedChar, RefusesTheEightCharacters) {
    for (const char* mask : {"a\\b", "a/b", "x|y", "a,b", "<x", "x>", "a:b", "\"*.#Res", "C:\\*.tmp"}) {
        EXPECT_TRUE(MaskHasRefusedChar(mask)) << mask;
    }
    for (const char* mask : {"*.~*", "~*.*", "a;b", "*.??$", "twain???.mtx", "", "中.*"}) {
        EXPECT_FALSE(MaskHasRefusedChar(mask)) << mask;
    }
}

// A flagged description really does break the stored list; an unflagged one comes back intact. Entry lists
// are only at risk from the cases at a text's end, so an unflagged cookie name always survives too.
TEST(HasEntryTerminator, FlagsExactlyTheDescriptionsThatSplitTheList) {
    struct Case {
        const char* text;
        bool flagged;
    } cases[] = {
        {"Temporary Files", false},
        {"a|)(|b", false},
        {"x|)E(|y", true},
        {"x|)E(", true},
        {"|)E(|", true},
        {")E(", true},
        {")E(|x", true},
        {")E(x", false},
        {"x)E(", false},
        {"x|)E", false},
        {"x|)E( ", false},
        {"|)E(x", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasEntryTerminator(c.text), c.flagged) << c.text;
        const std::vector<FilterEntry> rows = {MakeFilterEntry("*.a", c.text, true),
                                               MakeFilterEntry("*.b", "next", false)};
        EXPECT_EQ(ParseFilterList(BuildFilterList(rows)) == rows, !c.flagged) << c.text;
        if (c.flagged || !*c.text) continue;
        const std::vector<std::string> cookies = {c.text, "next"};
        EXPECT_EQ(ParseEntryList(BuildEntryList(cookies)), cookies) << c.text;
    }
}
