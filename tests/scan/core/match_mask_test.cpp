#include "scan/core/match_mask.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/core/config_lists.h"

namespace {

struct MaskCase {
    const char* name;
    const char* mask;
    bool match;
};

void ExpectCases(const MaskCase* first, const MaskCase* last) {
    for (const MaskCase* c = first; c != last; ++c) {
        EXPECT_EQ(MatchMask(c->name, c->mask), c->match)
            << "name '" << c->name << "' mask '" << c->mask << "'";
    }
}

}  // namespace

TEST(MatchMask, FileMasks) {
    const MaskCase cases[] = {
        {"a.tmp", "*.tmp", true},
        {".tmp", "*.tmp", false},
        {"0.nch", "0*.nch", false},
        {"01.nch", "0*.nch", true},
        {"abc", "abc*", false},
        {"abcd", "abc*", true},
        {"~.tmp", "~*.*", true},
        {"~abc.tmp", "~*.*", true},
        {"~abc.", "~*.*", false},
        {"abc.", "*.*", false},
        {"abc.d", "*.*", true},
        {"twain001.mtx", "twain???.mtx", true},
        {"twain01.mtx", "twain???.mtx", false},
        {"twain0001.mtx", "twain???.mtx", false},
        {"file.tm$", "*.??$", true},
        {"file.t$", "*.??$", false},
        {"backup.doc~", "*~", true},
        {"backup.doc", "*~", false},
        {"~", "*~", false},
        {"setuplog.txt", "*log.txt", true},
        {"log.txt", "*log.txt", false},
        {"Index.dat", "Index.dat", true},
        {"index.dat", "Index.dat", true},
        {"index.dat2", "Index.dat", false},
        {"index.da", "Index.dat", false},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(MatchMask, StarsAndQuestionMarks) {
    const MaskCase cases[] = {
        {"a", "*", true},
        {"anything at all.txt", "*", true},
        {"ab", "a**b", false},
        {"axxb", "a**b", false},
        {"a.b", "**", false},
        {"a", "?", true},
        {"ab", "?", false},
        {"ab", "a?", true},
        {"abc", "a?", false},
        {"a", "a?", false},
        {"a?", "a?", true},
        {"abc", "???", true},
        {"ab", "???", false},
        {"short", "much longer mask", false},
        {"abc", "abcd", false},
        // Between two stars '?' is literal; after the last star it is a wildcard.
        {"xaby.c", "*a?b*.c", false},
        {"xa?by.c", "*a?b*.c", true},
        {"x.ab", "*.?b", true},
        {"x.a?b", "*.?b", false},
        // A middle star may stand for nothing, the last one may not.
        {"a.b.c", "*.*.c", true},
        {"a..c", "*.*.c", false},
        {"xax.b", "*a*.b", true},
        {"aXbXc", "*x*x?", true},
        // The star before a middle segment may stand for nothing.
        {"abc.txt", "*abc*", true},
        {"abc", "*abc*", false},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(MatchMask, EmptyNameOrMaskNeverMatches) {
    EXPECT_FALSE(MatchMask("", "*"));
    EXPECT_FALSE(MatchMask("", ""));
    EXPECT_FALSE(MatchMask("a", ""));
    EXPECT_FALSE(MatchMask("", "?"));
}

TEST(MatchMask, FoldsAsciiLettersOnly) {
    const MaskCase cases[] = {
        {"x.tmp", "*.TMP", true},
        {"X.TMP", "*.tmp", true},
        {"README", "readme", true},
        {"Mixed.Case", "mIXED.cASE", true},
        // 0xC4 and 0xE4 are upper- and lower-case letters in Latin-1; they compare exactly.
        {"\xC4.txt", "\xE4.txt", false},
        {"\xC4.txt", "\xC4.TXT", true},
        // UTF-8 "É" and "é" differ in their second byte.
        {"Été.log", "été.log", false},
        // '@' and '[' sit next to 'A' and 'Z' and are not letters.
        {"@", "`", false},
        {"[", "{", false},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(MatchMask, MultiByteNamesCountBytes) {
    // "日本" is six bytes in UTF-8; masks count positions in bytes.
    const MaskCase cases[] = {
        {"日本.tmp", "*.tmp", true},
        {"日本~1.tmp", "*~*.tmp", true},
        {"日本~.tmp", "*~*.tmp", false},
        {"日本.tmp", "??????.tmp", true},
        {"日本.tmp", "??.tmp", false},
        {"日本.tmp", "日*", true},
        {"日", "日*", false},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(MatchMask, FolderPatterns) {
    const MaskCase cases[] = {
        {"C:\\WINDOWS\\Temp", "?:\\win*\\temp", true},
        {"C:\\WINDOWS\\Temp2", "?:\\win*\\temp", false},
        {"D:\\Win\\Temp", "?:\\win*\\temp", false},
        {"D:\\Winx\\Temp", "?:\\win*\\temp", true},
        {"C:\\Documents and Settings\\Bob\\SendTo", "*\\sendto", true},
        {"C:\\SendTo\\Other", "*\\sendto", false},
        {"\\sendto", "*\\sendto", false},
        {"C:\\Users\\Bob\\Microsoft\\Money\\12.0\\WebCache", "*\\microsoft\\money\\*\\webcache", true},
        {"C:\\Microsoft\\Money\\WebCache", "*\\microsoft\\money\\*\\webcache", false},
        {"C:\\Microsoft\\Money\\x\\WebCache\\Sub", "*\\microsoft\\money\\*\\webcache", false},
        // Folder paths are tested without their trailing backslash.
        {"C:\\WINDOWS\\Temp", "?:\\win*\\temp\\", false},
    };
    ExpectCases(std::begin(cases), std::end(cases));
}

TEST(MatchMask, LongNames) {
    const std::string longName = std::string(5000, 'a') + ".tmp";
    EXPECT_TRUE(MatchMask(longName, "*.tmp"));
    EXPECT_TRUE(MatchMask(longName, "a*a.TMP"));
    EXPECT_FALSE(MatchMask(longName, "*.tmpx"));
    EXPECT_TRUE(MatchMask(longName, "*a.*"));
}

TEST(IsDotName, OnlyTheTwoDirectoryEntries) {
    EXPECT_TRUE(IsDotName("."));
    EXPECT_TRUE(IsDotName(".."));
    EXPECT_FALSE(IsDotName("..."));
    EXPECT_FALSE(IsDotName(".git"));
    EXPECT_FALSE(IsDotName(""));
}

TEST(MatchesAnyMask, SomeMaskOfTheListMatchesAndTheDirectoryEntriesNever) {
    const std::vector<std::string> masks{"*.tmp", "~*.*", "?:\\win*\\temp"};
    EXPECT_TRUE(MatchesAnyMask("a.tmp", masks));
    EXPECT_TRUE(MatchesAnyMask("~doc.txt", masks));
    EXPECT_TRUE(MatchesAnyMask("C:\\Windows\\Temp", masks));
    EXPECT_FALSE(MatchesAnyMask("a.txt", masks));
    EXPECT_FALSE(MatchesAnyMask("a.tmp", {}));
    EXPECT_FALSE(MatchesAnyMask("..", {"*", "*.*", ".."}));
}

TEST(IsSkippedByAttributes, EachAttributeHasItsFlag) {
    struct Case {
        bool readOnly, system, hidden;
        const char* flags;
        bool skipped;
    } cases[] = {
        {false, false, false, "00000", false},
        {true, false, false, "00000", true},
        {true, false, false, "10000", false},
        {false, true, false, "10000", true},
        {false, true, false, "01000", false},
        {false, false, true, "11000", true},
        {false, false, true, "00100", false},
        {true, true, true, "11100", false},
        {true, true, true, "11000", true},
        // Flags 4 and 5 have nothing to do with attributes.
        {false, false, false, "00011", false},
        {true, false, false, "01111", true},
        // A missing position leaves the file out.
        {false, false, true, "11", true},
        {true, false, false, "", true},
        {false, false, false, "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSkippedByAttributes(c.readOnly, c.system, c.hidden, ParseGeneral(c.flags)), c.skipped)
            << c.readOnly << c.system << c.hidden << " flags '" << c.flags << "'";
    }
}
