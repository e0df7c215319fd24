#include "settings/core/ini_file.h"

#include <gtest/gtest.h>

using namespace std::literals;

namespace {
// The same text in UTF-16 units, byte for unit: the rules must not depend on the unit's width.
std::u16string Wide(std::string_view bytes) {
    std::u16string out;
    for (unsigned char b : bytes) out += char16_t(b);
    return out;
}

// Reads through both forms of the engine and checks that they agree.
std::string Read(std::string_view text, std::string_view section, std::string_view key) {
    const std::string narrow = IniReadValue(text, section, key);
    EXPECT_EQ(IniReadValue(Wide(text), Wide(section), Wide(key)), Wide(narrow)) << text;
    return narrow;
}

std::string Write(std::string_view text, std::string_view section, std::string_view key,
                  std::string_view value) {
    const std::string narrow = IniWriteValue(text, section, key, value);
    EXPECT_EQ(IniWriteValue(Wide(text), Wide(section), Wide(key), Wide(value)), Wide(narrow)) << text;
    return narrow;
}

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
        {"Drive", "Exclude Paths", "C:\\a|)E(|"},
        {"Drive", "Cookie", ""},
        {"Last", "k", "v"},
        {"Drive", "k", ""},  // key of another section
        {"Drive", "Missing", ""},
        {"Nowhere", "General", ""},
        {"Drive", ";Cookie", "commented"},  // a comment is a key of its own name, never "Cookie"
        {"Drive", "junk line without equals", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read(kFile, c.section, c.key), c.value) << c.section << "/" << c.key;
}

// What the system's profile functions return for files a user can produce (seen with
// GetPrivateProfileStringW and GetPrivateProfileStringA alike).
TEST(IniRead, ReadsAsTheProfileFunctions) {
    struct Case {
        const char* name;
        std::string text;
        const char *section, *key, *value;
    } cases[] = {
        {"blanks around key and value", "[Drive]\r\nGeneral = 101010 \r\n", "Drive", "General", "101010"},
        {"tabs", "[Drive]\r\n\tGeneral\t=\t101010\t\r\n", "Drive", "General", "101010"},
        {"vertical tab, form feed, 0x1A", "[Drive]\r\n\vGeneral\f=\x1a 1\v\f\x1a\r\n", "Drive", "General",
         "1"},
        {"other control bytes stay",
         "[Drive]\r\nA=\x1f"
         "1\x01\r\n",
         "Drive", "A",
         "\x1f"
         "1\x01"},
        {"no-break space stays",
         "[Drive]\r\nA=\xa0"
         "1\xa0\r\n",
         "Drive", "A",
         "\xa0"
         "1\xa0"},
        {"path after blanks", "[Drive]\r\nExclude Paths = C:\\p1|)E(|\r\n", "Drive", "Exclude Paths",
         "C:\\p1|)E(|"},
        {"empty value", "[Drive]\r\nA=\r\n", "Drive", "A", ""},
        {"key = and nothing", "[Drive]\r\nA =\r\n", "Drive", "A", ""},
        {"all blanks", "[Drive]\r\nA=  \t  \r\n", "Drive", "A", ""},
        {"double quotes", "[Drive]\r\nGeneral=\"101010\"\r\n", "Drive", "General", "101010"},
        {"single quotes", "[Drive]\r\nGeneral='101010'\r\n", "Drive", "General", "101010"},
        {"blanks inside quotes stay", "[Drive]\r\nA= \" 1 \" \r\n", "Drive", "A", " 1 "},
        {"unlike quotes stay", "[Drive]\r\nA=\"1'\r\n", "Drive", "A", "\"1'"},
        {"lone quote", "[Drive]\r\nA=\"\r\n", "Drive", "A", "\""},
        {"empty quotes", "[Drive]\r\nA=\"\"\r\n", "Drive", "A", ""},
        {"only the outer pair", "[Drive]\r\nA=\"a\"b\"\r\n", "Drive", "A", "a\"b"},
        {"quote at one end", "[Drive]\r\nA=\"*.#Res|)(|x|)(|1|)E(|\r\n", "Drive", "A",
         "\"*.#Res|)(|x|)(|1|)E(|"},
        {"value up to a NUL",
         "[Drive]\nA=1\0"
         "2\nB=3\n"s,
         "Drive", "A", "1"},
        {"line after a NUL",
         "[Drive]\nA=1\0"
         "2\nB=3\n"s,
         "Drive", "B", "3"},
        {"first = splits", "[Drive]\nA=B=C\n", "Drive", "A", "B=C"},
        {"inner blanks of a key count", "[Drive]\nExclude   Paths=1\n", "Drive", "Exclude Paths", ""},
        {"key without =", "[Drive]\nA\nA=2\n", "Drive", "A", ""},
        {"# is no comment", "[Drive]\n#A=1\n", "Drive", "#A", "1"},
        {"header without ]", "General=0\n[Drive\nGeneral=1\n", "Drive", "General", ""},
        {"header up to its last ]", "[Dr]ive]\nA=1\n", "Dr]ive", "A", "1"},
        {"not up to its first ]", "[Dr]ive]\nA=1\n", "Dr", "A", ""},
        {"text after ]", "[Drive] junk\nA=1\n", "Drive", "A", "1"},
        {"blanks inside []", "[ Drive ]\nA=1\n", "Drive", "A", "1"},
        {"indented header", "  [Drive]\nA=1\n", "Drive", "A", "1"},
        {"first section only", "[Drive]\nA=1\n[Drive]\nB=4\n", "Drive", "B", ""},
        {"first key only", "[Drive]\nA=1\nA=2\n[Drive]\nA=3\n", "Drive", "A", "1"},
        {"stray bytes before", "\0\xFF\x80=\n[Drive]\nGeneral=1"s, "Drive", "General", "1"},
        {"empty text", "", "Drive", "General", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.text, c.section, c.key), c.value) << c.name;
}

TEST(IniRead, AcceptsEveryLineEnding) {
    struct Case {
        const char* name;
        const char* text;
    } cases[] = {
        {"CR LF", "[Drive]\r\nA=1\r\nB=2\r\nC=3\r\n"},
        {"LF", "[Drive]\nA=1\nB=2\nC=3\n"},
        {"CR", "[Drive]\rA=1\rB=2\rC=3\r"},
        {"mixed", "[Drive]\nA=1\r\nB=2\rC=3\n"},
        {"blank lines between", "[Drive]\r\r\n\nA=1\r\rB=2\n\r\nC=3"},
        {"last line without ending", "[Drive]\r\nA=1\r\nB=2\r\nC=3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.text, "Drive", "A"), "1") << c.name;
        EXPECT_EQ(Read(c.text, "Drive", "B"), "2") << c.name;
        EXPECT_EQ(Read(c.text, "Drive", "C"), "3") << c.name;
    }
}

TEST(IniRead, LongValueComesBackWhole) {
    const std::string value(100000, 'x');
    const std::string file = "[Drive]\r\nExclude Paths=" + value + "\r\nCookie=c\r\n";
    EXPECT_EQ(Read(file, "Drive", "Exclude Paths"), value);
    EXPECT_EQ(Read(file, "Drive", "Cookie"), "c");
}

TEST(IniWrite, ReplacesOnlyTheValue) {
    struct Case {
        const char* name;
        const char *before, *after;
    } cases[] = {
        {"the key's name and blanks stay", "  Exclude Paths = C:\\a|)E(|", "  Exclude Paths = D:\\x|)E(|"},
        {"trailing blanks stay", "exclude paths=C:\\a|)E(|  \t", "exclude paths=D:\\x|)E(|  \t"},
        {"all blanks", "Exclude Paths= \t ", "Exclude Paths= \t D:\\x|)E(|"},
        {"quoted value", "Exclude Paths=\"C:\\a|)E(|\"", "Exclude Paths=D:\\x|)E(|"},
        {"empty value", "EXCLUDE PATHS=", "EXCLUDE PATHS=D:\\x|)E(|"},
        {"no =", "Exclude Paths", "Exclude Paths=D:\\x|)E(|"},
    };
    for (const Case& c : cases) {
        const std::string file =
            "; note\r\n[Drive]\r\nGeneral=1\r\n" + std::string(c.before) + "\r\nCookie=c\r\n";
        const std::string expected =
            "; note\r\n[Drive]\r\nGeneral=1\r\n" + std::string(c.after) + "\r\nCookie=c\r\n";
        EXPECT_EQ(Write(file, "DRIVE", "Exclude Paths", "D:\\x|)E(|"), expected) << c.name;
    }
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
        {"CR file", "[Drive]\rA=1\r", "Drive", "B", "2", "[Drive]\rA=1\rB=2\r"},
        {"CR file, new section", "[X]\rA=1\r", "Drive", "B", "2", "[X]\rA=1\r[Drive]\rB=2\r"},
        {"mixed endings: CR LF", "[Drive]\nA=1\r\nC=3\n", "Drive", "B", "2", "[Drive]\nA=1\r\nC=3\nB=2\r\n"},
        {"mixed, new section", "[X]\rA=1\n", "Drive", "B", "2", "[X]\rA=1\n[Drive]\r\nB=2\r\n"},
        {"no final break", "[Drive]\r\nA=1", "Drive", "B", "2", "[Drive]\r\nA=1\r\nB=2"},
        {"no final break, new section", "[X]\nA=1", "Drive", "B", "2", "[X]\nA=1\n[Drive]\nB=2\n"},
        {"header alone, no break", "[Drive]", "Drive", "B", "2", "[Drive]\r\nB=2"},
        {"empty section", "[Drive]\r\n[X]\r\n", "Drive", "B", "2", "[Drive]\r\nB=2\r\n[X]\r\n"},
        {"after comment", "[Drive]\n; note\n\n", "Drive", "B", "2", "[Drive]\n; note\nB=2\n\n"},
        {"header without ] is no header", "[Drive\nA=1\n", "Drive", "B", "2", "[Drive\nA=1\n[Drive]\nB=2\n"},
        {"first duplicate", "[Drive]\nB=1\n[Drive]\nB=1\n", "Drive", "B", "2",
         "[Drive]\nB=2\n[Drive]\nB=1\n"},
        {"empty value", "[Drive]\nB=1\n", "Drive", "B", "", "[Drive]\nB=\n"},
        {"ends in a lone CR", "[X]\nA=1\r", "Drive", "B", "2", "[X]\nA=1\r[Drive]\r\nB=2\r\n"},
    };
    for (const Case& c : cases) {
        const std::string out = Write(c.file, c.section, c.key, c.value);
        EXPECT_EQ(out, c.expected) << c.name;
        EXPECT_EQ(Read(out, c.section, c.key), c.value) << c.name;
    }
}

// Values that the reading rules would change go inside double quotes, which reading removes again.
TEST(IniWrite, ValuesThatWouldReadOtherwiseAreQuoted) {
    struct Case {
        std::string value, stored;
    } cases[] = {
        {"plain", "plain"},
        {"\"*.#Res|)(|x|)(|1|)E(|", "\"*.#Res|)(|x|)(|1|)E(|"},
        {"\"", "\""},
        {"a\"", "a\""},
        {" lead", "\" lead\""},
        {"trail\t", "\"trail\t\""},
        {"\x1a", "\"\x1a\""},
        {"\"quoted\"", "\"\"quoted\"\""},
        {"'single'", "\"'single'\""},
        {"\"\"", "\"\"\"\""},
        {"", ""},
        {"   ", "\"   \""},
    };
    for (const Case& c : cases) {
        const std::string out = Write("[Drive]\r\nA=old\r\n", "Drive", "A", c.value);
        EXPECT_EQ(out, "[Drive]\r\nA=" + c.stored + "\r\n") << c.value;
        EXPECT_EQ(Read(out, "Drive", "A"), c.value) << c.value;
    }
}

TEST(IniWrite, KeysOfTheTwoWritersStayApart) {
    std::string file;
    file = Write(file, "Drive", "Cookie", "sid|)E(|");
    for (const char* key : {"General", "Exclude Paths", "Include Filters", "Exclude Filters"}) {
        file = Write(file, "Drive", key, std::string(key) + "!");
    }
    file = Write(file, "Drive", "Cookie", "other|)E(|");
    EXPECT_EQ(file,
              "[Drive]\r\nCookie=other|)E(|\r\nGeneral=General!\r\nExclude Paths=Exclude Paths!\r\nInclude "
              "Filters=Include Filters!\r\nExclude Filters=Exclude Filters!\r\n");
}

TEST(IniWrite, RefusesWhatCannotReadBack) {
    const std::string file = "[Drive]\r\nA=1\r\n";
    struct Case {
        const char* name;
        std::string section, key, value;
    } refused[] = {
        {"CR LF in value", "Drive", "A", "x\r\nB=2"},
        {"LF in value", "Drive", "A", "x\ny"},
        {"CR in value", "Drive", "A", "x\r"},
        {"NUL in value", "Drive", "A", "x\0y"s},
        {"= in key", "Drive", "A=B", "1"},
        {"empty key", "Drive", "", "1"},
        {"blank key", "Drive", "  ", "1"},
        {"empty section", "", "A", "1"},
        {"] in section", "Dr]ive", "A", "1"},
        {"comment key", "Drive", ";A", "1"},
        {"header key", "Drive", "[A", "1"},
        {"LF in section", "Dri\nve", "A", "1"},
        {"CR in key", "Drive", "A\rB", "1"},
        {"NUL in key", "Drive", "A\0B"s, "1"},
    };
    for (const Case& c : refused) {
        EXPECT_FALSE(IniCanStore(c.section, c.key, c.value)) << c.name;
        EXPECT_FALSE(IniCanStore(Wide(c.section), Wide(c.key), Wide(c.value))) << c.name;
        EXPECT_EQ(Write(file, c.section, c.key, c.value), file) << c.name;
    }
    EXPECT_TRUE(IniCanStore("Drive", "A", "any bytes \xFF=;[]\x1a\""sv));
}

TEST(IniWrite, DoubleByteAndLongValuesRoundTrip) {
    const std::string gbk =
        "\xC0\xAC\xBB\xF8\xCE\xC4\xBC\xFE|)(|\xB1\xB8\xB7\xDD|)(|1|)E(|";  // a GBK description
    const std::string big(100000, 'y');
    std::string file = Write("", "Drive", "Include Filters", gbk);
    file = Write(file, "Drive", "Exclude Paths", big);
    EXPECT_EQ(Read(file, "Drive", "Include Filters"), gbk);
    EXPECT_EQ(Read(file, "Drive", "Exclude Paths"), big);
}
