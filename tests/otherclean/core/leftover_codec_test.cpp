#include "otherclean/core/leftover_codec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string ListText(const std::vector<std::string>& paths) {
    std::string text;
    for (const std::string& p : paths) text += LeftoverEntry(p);
    text += kLeftoverTerminator;
    return text;
}

unsigned char At(const std::string& s, size_t i) { return static_cast<unsigned char>(s[i]); }

}  // namespace

TEST(LeftoverCodec, EmptyListIsTheScrambledTerminator) {
    const std::string file = EncodeLeftoverFile(kLeftoverTerminator);
    ASSERT_EQ(file.size(), kLeftoverFileSize);
    const std::string head = {'@' + 7, '?' + 8, '@' + 9, '!' + 10, '@' + 11};
    EXPECT_EQ(file.substr(0, 5), head);
    EXPECT_EQ(file.find_first_not_of('*', 5), std::string::npos);
    EXPECT_EQ(DecodeLeftoverFile(file), "");
}

TEST(LeftoverCodec, OffsetCyclesThroughTwentyOneValues) {
    const std::string file = EncodeLeftoverFile(std::string(43, 'A'));
    struct Case {
        size_t pos;
        unsigned char stored;
    } cases[] = {
        {0, 'A' + 7}, {1, 'A' + 8}, {20, 'A' + 27}, {21, 'A' + 7}, {41, 'A' + 27}, {42, 'A' + 7}, {43, '*'},
    };
    for (const Case& c : cases) EXPECT_EQ(At(file, c.pos), c.stored) << c.pos;
}

TEST(LeftoverCodec, ScramblingWrapsAroundModulo256) {
    const std::string file = EncodeLeftoverFile("\xFF\xF5\xFF");
    EXPECT_EQ(At(file, 0), 0x06);
    EXPECT_EQ(At(file, 1), 0xFD);
    EXPECT_EQ(At(file, 2), 0x08);
}

TEST(LeftoverCodec, RoundTripOfAList) {
    const std::vector<std::string> paths = {
        "C:\\Users\\Bob\\AppData\\Local\\Temp\\~DF1234.tmp",
        "C:\\Users\\Bob\\AppData\\Local\\Temp\\sub\\in use.log",
        "C:\\Temp\\日本.dat",
    };
    const std::string text = DecodeLeftoverFile(EncodeLeftoverFile(ListText(paths)));
    EXPECT_EQ(text, LeftoverEntry(paths[0]) + LeftoverEntry(paths[1]) + LeftoverEntry(paths[2]));
    EXPECT_EQ(SplitLeftoverEntries(text), paths);
}

TEST(LeftoverCodec, LongestStoredText) {
    std::string fits(kLeftoverMaxText - kLeftoverTerminator.size(), 'p');
    std::string text = fits + std::string(kLeftoverTerminator);
    ASSERT_EQ(text.size(), 32766u);
    std::string file = EncodeLeftoverFile(text);
    ASSERT_EQ(file.size(), kLeftoverFileSize);
    EXPECT_EQ(file.substr(32766), "**");
    EXPECT_EQ(DecodeLeftoverFile(file), fits);

    text.insert(0, 1, 'p');
    file = EncodeLeftoverFile(text);
    EXPECT_EQ(file, std::string(kLeftoverFileSize, '*'));
    EXPECT_EQ(DecodeLeftoverFile(file), "");
}

TEST(LeftoverCodec, DecodeRejects) {
    const std::string text = ListText({"C:\\a.tmp"});
    const std::string good = EncodeLeftoverFile(text);
    struct Case {
        const char* what;
        std::string file;
    } cases[] = {
        {"empty file", ""},
        {"all fill", std::string(kLeftoverFileSize, '*')},
        {"no terminator", EncodeLeftoverFile("C:\\a.tmp!?!")},
        {"terminator cut off", good.substr(0, text.size() - 1)},
        {"one byte too long", good + '*'},
        {"NUL before the terminator", EncodeLeftoverFile(std::string("C:\\a\0b!?!@?@!@", 14))},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeLeftoverFile(c.file), "") << c.what;
}

TEST(LeftoverCodec, DecodeStopsAtTheFirstTerminator) {
    EXPECT_EQ(DecodeLeftoverFile(EncodeLeftoverFile("a!?!@?@!@garbage@?@!@")), "a!?!");
    // A shorter file is read as far as it goes.
    EXPECT_EQ(DecodeLeftoverFile(EncodeLeftoverFile("x!?!@?@!@").substr(0, 9)), "x!?!");
    // Bytes after a NUL that follows the terminator do not matter.
    EXPECT_EQ(DecodeLeftoverFile(EncodeLeftoverFile(std::string("y!?!@?@!@\0zz", 12))), "y!?!");
}

TEST(LeftoverCodec, SplitDropsTheUnterminatedRest) {
    struct Case {
        const char* text;
        std::vector<std::string> entries;
    } cases[] = {
        {"", {}},
        {"no separator", {}},
        {"a!?!", {"a"}},
        {"a!?!b!?!", {"a", "b"}},
        {"a!?!rest", {"a"}},
        {"!?!", {""}},
        {"a!?!?!", {"a"}},
        {"a!?!!?!b!?!", {"a", "", "b"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitLeftoverEntries(c.text), c.entries) << c.text;
}
