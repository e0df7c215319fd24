#include "settings/core/utf_codec.h"

#include <gtest/gtest.h>

TEST(UtfCodec, WellFormedTextConvertsBothWays) {
    struct Case {
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"", u""},
        {"Temporary Files", u"Temporary Files"},
        {"临时文件", u"临时文件"},
        {"Café ß", u"Café ß"},
        {"𐌰 and 😀", u"𐌰 and 😀"},  // beyond the first plane: surrogate pairs
        {"\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF", u"\x7F\x80\x7FF\x800\xFFFF"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(IsWellFormedUtf8(c.utf8)) << c.utf8;
        EXPECT_EQ(Utf16FromUtf8(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(Utf8FromUtf16(c.utf16), c.utf8) << c.utf8;
        EXPECT_EQ(WellFormedUtf8(c.utf8), c.utf8);
    }
}

TEST(UtfCodec, MalformedInputBecomesReplacementCharacters) {
    struct Case {
        const char* name;
        std::string utf8, wellFormed;
    } cases[] = {
        {"stray continuation byte", "a\x80z", "a\uFFFDz"},
        {"lead byte at the end", "a\xE4", "a\uFFFD"},
        {"cut sequence", "\xE4\xB8z", "\uFFFDz"},
        {"overlong", "\xC0\xAF", "\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"ANSI byte", "Caf\xE9", "Caf\uFFFD"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(IsWellFormedUtf8(c.utf8)) << c.name;
        EXPECT_EQ(WellFormedUtf8(c.utf8), c.wellFormed) << c.name;
        EXPECT_EQ(Utf8FromUtf16(Utf16FromUtf8(c.utf8)), c.wellFormed) << c.name;
    }
    EXPECT_EQ(Utf8FromUtf16(u"a\xD800z"), "a\uFFFDz");          // unpaired high surrogate
    EXPECT_EQ(Utf8FromUtf16(u"a\xDC00"), "a\uFFFD");            // unpaired low surrogate
    EXPECT_EQ(Utf8FromUtf16(u"\xDC00\xD800"), "\uFFFD\uFFFD");  // the wrong order
}
