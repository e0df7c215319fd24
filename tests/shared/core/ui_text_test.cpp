#include "shared/core/ui_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "shared/core/ui_text_tables.h"

namespace {
// A character of the CJK blocks, the full-width forms or the CJK punctuation, read from UTF-8.
bool HoldsCjk(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = text[i];
        if (c < 0xE0 || c >= 0xF0 || i + 2 >= text.size()) continue;
        const unsigned code = (c & 0x0F) << 12 | (text[i + 1] & 0x3F) << 6 | (text[i + 2] & 0x3F);
        if ((code >= 0x2E80 && code <= 0x9FFF) || (code >= 0xF900 && code <= 0xFAFF) ||
            (code >= 0xFF00 && code <= 0xFFEF))
            return true;
    }
    return false;
}
}  // namespace

TEST(UiText, EachLanguageHasEveryCaptionOnceAndEnglishReadsAsEnglish) {
    struct Table {
        UiLanguage language;
        const UiTextEntry* entries;
        size_t count;
    } tables[] = {{UiLanguage::kChinese, kChineseTexts, kChineseTextCount},
                  {UiLanguage::kEnglish, kEnglishTexts, kEnglishTextCount}};
    for (const Table& t : tables) {
        std::set<int> keys;
        for (size_t i = 0; i < t.count; ++i)
            EXPECT_TRUE(keys.insert(int(t.entries[i].key)).second)
                << UiTextName(t.entries[i].key) << " twice";
        for (int k = 0; k < int(UiText::kCount); ++k) {
            const UiText key = UiText(k);
            const char* text = UiTextIn(t.language, key);
            ASSERT_NE(text, nullptr) << UiTextName(key) << " has no text in " << ConfigValueOf(t.language);
            EXPECT_NE(std::string(text), "") << UiTextName(key);
            // A language is named in its own script, so that its reader finds the choice.
            const bool namesALanguage =
                key == UiText::kOptionsLanguage || key == UiText::kOptionsLanguageChinese;
            if (t.language == UiLanguage::kEnglish && !namesALanguage) {
                EXPECT_FALSE(HoldsCjk(text)) << UiTextName(key) << ": " << text;
            }
        }
    }
}

TEST(UiText, ConfigNamesEnglishByEnAndAnythingElseIsChinese) {
    struct {
        const char* value;
        UiLanguage language;
    } cases[] = {{"en", UiLanguage::kEnglish},  {"zh", UiLanguage::kChinese},
                 {"", UiLanguage::kChinese},    {"xx", UiLanguage::kChinese},
                 {"en ", UiLanguage::kChinese}, {"english", UiLanguage::kChinese}};
    for (const auto& c : cases) {
        EXPECT_EQ(UiLanguageFromConfig(c.value), c.language) << '"' << c.value << '"';
        EXPECT_EQ(UiLanguageFromConfig(ConfigValueOf(c.language)), c.language);
    }
}

TEST(UiText, TheCurrentLanguageChoosesTheText) {
    SetCurrentUiLanguage(UiLanguage::kEnglish);
    EXPECT_STREQ(UiString(UiText::kDriveScan), "Start scan");
    SetCurrentUiLanguage(UiLanguage::kChinese);
    EXPECT_STREQ(UiString(UiText::kDriveScan), "开始扫描");
}
