#include "settings/core/ini_file.h"

#include <gtest/gtest.h>

using namespace std::literals;

namespace {
const std::string kFile =
    "; Kestrune settings\r\n[Other]\r\nGeneral=other\r\n\r\n[Drive]\r\nGeneral=101010\r\njunk line without "
    "equals\r\n;Cookie=commented\r\n  Exclude Paths = C:\\a|)E(|\r\nCookie=\r\n\r\n[Last]\r\nk=v\r\n";
}  // namespace

TEST(IniRead, FindsKeysByNameWithoutCaseOrBlanks) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"Drive", "General", "101010"},
        {"drive", "GENERAL", "101010"},
        {" Drive ", "general\t", "101010"},
        {"Other", "General", "other"},
        {"Drive", "Exclude Paths", " C:\\a|)E(|"},  // verbatim after "="
        {"Drive", "Cookie", ""},
        {"Last", "k", "v"},
        {"Drive", "k", ""},  // key of another section
        {"Drive", "Missing", ""},
        {"Nowhere", "General", ""},
        {"Drive", ";Cookie", ""},  // comments are not keys
        {"Drive", "junk line without equals", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IniReadValue(kFile, c.section, c.key), c.value) << c.section << "/" << c.key;
    }
}

TEST(IniRead, ToleratesOddFiles) {
    EXPECT_EQ(IniReadValue("", "Drive", "General"), "");
    EXPECT_EQ(IniReadValue("\uFEFF[Drive]\nGeneral=1\n", "Drive", "General"), "1");
    EXPECT_EQ(IniReadValue("\0\xFF\x80=\n[Drive]\nGeneral=1"sv, "Drive", "General"), "1");
    EXPECT_EQ(IniReadValue("[Drive]\nGeneral=1\r\r\n", "Drive", "General"), "1");
    EXPECT_EQ(IniReadValue("[Drive]\nGeneral=a=b", "Drive", "General"), "a=b");
    EXPECT_EQ(IniReadValue("General=0\n[Drive\nGeneral=1\n", "Drive", "General"), "1");  // no "]"
    // Duplicates: the first section and the first key win.
    EXPECT_EQ(IniReadValue("[Drive]\nA=1\nA=2\n[Drive]\nA=3\nB=4\n", "Drive", "A"), "1");
    EXPECT_EQ(IniReadValue("[Drive]\nA=1\n[Drive]\nB=4\n", "Drive", "B"), "");
}

TEST(IniRead, LongValueComesBackWhole) {
    const std::string value(100000, 'x');
    const std::string file = "[Drive]\r\nExclude Paths=" + value + "\r\nCookie=c\r\n";
    EXPECT_EQ(IniReadValue(file, "Drive", "Exclude Paths"), value);
    EXPECT_EQ(IniReadValue(file, "Drive", "Cookie"), "c");
}

TEST(IniWrite, ReplacesOnlyTheKeysLine) {
    const std::string out = IniWriteValue(kFile, "DRIVE", "exclude paths", "D:\\x|)E(|");
    std::string expected = kFile;
    const std::string old = "  Exclude Paths = C:\\a|)E(|";
    expected.replace(expected.find(old), old.size(), "exclude paths=D:\\x|)E(|");
    EXPECT_EQ(out, expected);
}

TEST(IniWrite, AddsAndCreatesInTheFilesLineStyle) {
    struct Case {
        const char* name;
        std::string file, section, key, value, expected;
    } cases[] = {
        {"new file", "", "Drive", "General", "101010", "[Drive]\r\nGeneral=101010\r\n"},
        {"key after last non-blank line", "[Drive]\r\nA=1\r\n\r\n[X]\r\n", "Drive", "B", "2",
         "[Drive]\r\nA=1\r\nB=2\r\n\r\n[X]\r\n"},
        {"LF file", "[Drive]\nA=1\n", "Drive", "B", "2", "[Drive]\nA=1\nB=2\n"},
        {"LF file, new section", "[X]\nA=1\n", "Drive", "B", "2", "[X]\nA=1\n[Drive]\nB=2\n"},
        {"no final break", "[Drive]\r\nA=1", "Drive", "B", "2", "[Drive]\r\nA=1\r\nB=2"},
        {"no final break, new section", "[X]\nA=1", "Drive", "B", "2", "[X]\nA=1\n[Drive]\nB=2\n"},
        {"empty section", "[Drive]\r\n[X]\r\n", "Drive", "B", "2", "[Drive]\r\nB=2\r\n[X]\r\n"},
        {"after comment", "[Drive]\n; note\n\n", "Drive", "B", "2", "[Drive]\n; note\nB=2\n\n"},
        {"BOM only", "\uFEFF", "Drive", "B", "2", "\uFEFF[Drive]\r\nB=2\r\n"},
        {"BOM kept", "\uFEFF[Drive]\nB=1\n", "Drive", "B", "2", "\uFEFF[Drive]\nB=2\n"},
        {"first duplicate", "[Drive]\nB=1\n[Drive]\nB=1\n", "Drive", "B", "2",
         "[Drive]\nB=2\n[Drive]\nB=1\n"},
        {"empty value", "[Drive]\nB=1\n", "Drive", "B", "", "[Drive]\nB=\n"},
    };
    for (const Case& c : cases) {
        const std::string out = IniWriteValue(c.file, c.section, c.key, c.value);
        EXPECT_EQ(out, c.expected) << c.name;
        EXPECT_EQ(IniReadValue(out, c.section, c.key), c.value) << c.name;
    }
}

TEST(IniWrite, KeysOfTheTwoWritersStayApart) {
    std::string file;
    file = IniWriteValue(file, "Drive", "Cookie", "sid|)E(|");
    for (const char* key : {"General", "Exclude Paths", "Include Filters", "Exclude Filters"}) {
        file = IniWriteValue(file, "Drive", key, std::string(key) + "!");
    }
    file = IniWriteValue(file, "Drive", "Cookie", "other|)E(|");
    EXPECT_EQ(file,
              "[Drive]\r\nCookie=other|)E(|\r\nGeneral=General!\r\nExclude Paths=Exclude Paths!\r\nInclude "
              "Filters=Include Filters!\r\nExclude Filters=Exclude Filters!\r\n");
}

TEST(IniWrite, RefusesWhatCannotReadBack) {
    const std::string file = "[Drive]\r\nA=1\r\n";
    struct Case {
        const char *section, *key;
        std::string value;
    } refused[] = {
        {"Drive", "A", "x\r\nB=2"}, {"Drive", "A", "x\ny"}, {"Drive", "A", "x\r"}, {"Drive", "A=B", "1"},
        {"Drive", "", "1"},         {"Drive", "  ", "1"},   {"", "A", "1"},        {"Dr]ive", "A", "1"},
        {"Drive", ";A", "1"},       {"Drive", "[A", "1"},   {"Dri\nve", "A", "1"},
    };
    for (const Case& c : refused) {
        EXPECT_FALSE(IniCanStore(c.section, c.key, c.value)) << c.section << "/" << c.key;
        EXPECT_EQ(IniWriteValue(file, c.section, c.key, c.value), file) << c.section << "/" << c.key;
    }
    EXPECT_TRUE(IniCanStore("Drive", "A", "any \0 bytes \xFF=;[]"sv));
}

TEST(IniWrite, DoubleByteAndLongValuesRoundTrip) {
    const std::string gbk =
        "\xC0\xAC\xBB\xF8\xCE\xC4\xBC\xFE|)(|\xB1\xB8\xB7\xDD|)(|1|)E(|";  // a GBK description
    const std::string big(100000, 'y');
    std::string file = IniWriteValue("", "Drive", "Include Filters", gbk);
    file = IniWriteValue(file, "Drive", "Exclude Paths", big);
    EXPECT_EQ(IniReadValue(file, "Drive", "Include Filters"), gbk);
    EXPECT_EQ(IniReadValue(file, "Drive", "Exclude Paths"), big);
}
