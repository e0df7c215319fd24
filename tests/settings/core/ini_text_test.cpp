#include "settings/core/ini_text.h"

#include <gtest/gtest.h>

#include "settings/core/utf_codec.h"

using namespace std::literals;

namespace {
// A stand-in for the platform's ANSI code page: Latin-1, which holds U+0000 to U+00FF.
bool ToLatin1(std::string_view utf8, std::string& ansi) {
    ansi.clear();
    for (char16_t unit : Utf16FromUtf8(utf8)) {
        if (unit > 0xFF) return false;
        ansi += char(unit);
    }
    return IsWellFormedUtf8(utf8);
}
std::string FromLatin1(std::string_view ansi) {
    std::u16string wide;
    for (unsigned char c : ansi) wide += char16_t(c);
    return Utf8FromUtf16(wide);
}
const AnsiCodePage kLatin1{ToLatin1, FromLatin1};

std::string Utf16Le(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) bytes += {char(unit & 0xFF), char(unit >> 8)};
    return bytes;
}
std::string Utf16Be(std::u16string_view text) {
    std::string bytes = "\xFE\xFF";
    for (char16_t unit : text) bytes += {char(unit >> 8), char(unit & 0xFF)};
    return bytes;
}
std::string Utf8Bom(std::string_view text) { return "\uFEFF" + std::string(text); }

const std::string kChinese = "临时文件";
const std::string kFilters = "*.tmp|)(|临时文件|)(|1|)E(|*.bak|)(|Backup|)(|0|)E(|";

// One Config.ini text in each form a user's editor saves.
struct Form {
    const char* name;
    IniEncoding encoding;
    std::string (*encode)(const std::string& utf8);
};
const Form kForms[] = {
    {"UTF-16LE", IniEncoding::kUtf16Le, [](const std::string& t) { return Utf16Le(Utf16FromUtf8(t)); }},
    {"UTF-16BE", IniEncoding::kUtf16Be, [](const std::string& t) { return Utf16Be(Utf16FromUtf8(t)); }},
    {"UTF-8 with mark", IniEncoding::kUtf8, [](const std::string& t) { return Utf8Bom(t); }},
};
}  // namespace

TEST(IniText, TheMarkNamesTheForm) {
    struct Case {
        std::string bytes;
        IniEncoding encoding;
    } cases[] = {
        {"", IniEncoding::kAnsi},
        {"[Drive]\r\n", IniEncoding::kAnsi},
        {"\xFF\xFE", IniEncoding::kUtf16Le},
        {"\xFF\xFE[\0"s, IniEncoding::kUtf16Le},
        {"\xFE\xFF\0["s, IniEncoding::kUtf16Be},
        {"\uFEFF[Drive]", IniEncoding::kUtf8},
        {"\xEF\xBB", IniEncoding::kAnsi},
        {"[\0D\0"s, IniEncoding::kAnsi},  // UTF-16 without its mark is not taken for UTF-16
        {" \xFF\xFE", IniEncoding::kAnsi},
    };
    for (const Case& c : cases) EXPECT_EQ(IniEncodingOf(c.bytes), c.encoding);
}

TEST(IniText, EachFormReadsEveryKey) {
    const std::string text =
        "; 注释\r\n[Drive]\r\nGeneral = 101010\r\nExclude Paths=C:\\临时|)E(|\r\nInclude "
        "Filters=" +
        kFilters + "\r\nCookie='a@b/|)E(|'\r\n";
    for (const Form& form : kForms) {
        const std::string bytes = form.encode(text);
        ASSERT_EQ(IniEncodingOf(bytes), form.encoding) << form.name;
        EXPECT_EQ(IniReadText(bytes, "Drive", "General", kLatin1), "101010") << form.name;
        EXPECT_EQ(IniReadText(bytes, "drive", "exclude paths", kLatin1), "C:\\临时|)E(|") << form.name;
        EXPECT_EQ(IniReadText(bytes, "Drive", "Include Filters", kLatin1), kFilters) << form.name;
        EXPECT_EQ(IniReadText(bytes, "Drive", "Cookie", kLatin1), "a@b/|)E(|") << form.name;
        EXPECT_EQ(IniReadText(bytes, "Drive", "Exclude Filters", kLatin1), "") << form.name;
    }
    EXPECT_EQ(IniReadText("[Drive]\r\nA= Caf\xE9 \r\n", "Drive", "A", kLatin1), "Café");
}

TEST(IniText, WritingKeepsTheFormItsMarkAndEveryOtherLine) {
    const std::string before = "; 注释\n[Drive]\nGeneral = 101010\nCookie=c|)E(|\n\n[其他]\nk=v\n";
    const std::string after =
        "; 注释\n[Drive]\nGeneral = 010101\nCookie=c|)E(|\nInclude Filters=" + kFilters + "\n\n[其他]\nk=v\n";
    for (const Form& form : kForms) {
        const auto out = IniWriteTexts(form.encode(before), "Drive",
                                       {{"General", "010101"}, {"Include Filters", kFilters}}, kLatin1);
        ASSERT_TRUE(out) << form.name;
        EXPECT_EQ(*out, form.encode(after)) << form.name;
    }
    const auto ansi = IniWriteTexts("[Drive]\r\nA=1\r\n", "Drive", {{"A", "Café"}}, kLatin1);
    ASSERT_TRUE(ansi);
    EXPECT_EQ(*ansi, "[Drive]\r\nA=Caf\xE9\r\n");
}

TEST(IniText, NewAndEmptyFilesAreAnsiAMarkAloneKeepsItsForm) {
    EXPECT_EQ(IniWriteTexts("", "Drive", {{"General", "1"}}, kLatin1), "[Drive]\r\nGeneral=1\r\n");
    EXPECT_EQ(IniWriteTexts("\xFF\xFE", "Drive", {{"General", "1"}}, kLatin1),
              Utf16Le(u"[Drive]\r\nGeneral=1\r\n"));
    EXPECT_EQ(IniWriteTexts("\uFEFF", "Drive", {{"General", "1"}}, kLatin1),
              Utf8Bom("[Drive]\r\nGeneral=1\r\n"));
}

TEST(IniText, WhatAFormCannotHoldIsRefusedAndNothingIsWritten) {
    const std::string ansiFile = "[Drive]\r\nA=1\r\n";
    EXPECT_FALSE(IniEncodingCanHold(IniEncoding::kAnsi, kChinese, kLatin1));
    EXPECT_FALSE(IniWriteTexts(ansiFile, "Drive", {{"A", "2"}, {"B", kChinese}}, kLatin1));
    EXPECT_FALSE(IniWriteTexts(ansiFile, "Drive", {{"A", "x\r\ny"}}, kLatin1));
    for (const Form& form : kForms) {
        EXPECT_TRUE(IniEncodingCanHold(form.encoding, kChinese, kLatin1)) << form.name;
        EXPECT_TRUE(IniEncodingCanHold(form.encoding, "𐌰", kLatin1)) << form.name;
        EXPECT_FALSE(IniEncodingCanHold(form.encoding, "Caf\xE9", kLatin1)) << form.name;  // no UTF-8
        EXPECT_FALSE(IniWriteTexts(form.encode(ansiFile), "Drive", {{"A", "Caf\xE9"}}, kLatin1)) << form.name;
        EXPECT_FALSE(IniWriteTexts(form.encode(ansiFile), "Drive", {{"A", "x\ny"}}, kLatin1)) << form.name;
        const auto out = IniWriteTexts(form.encode(ansiFile), "Drive", {{"B", "𐌰"}}, kLatin1);
        ASSERT_TRUE(out) << form.name;
        EXPECT_EQ(IniReadText(*out, "Drive", "B", kLatin1), "𐌰") << form.name;
    }
}

TEST(IniText, BytesThatAreNoTextReadAsReplacementCharacters) {
    EXPECT_EQ(IniReadText(Utf8Bom("[Drive]\nA=Caf\xE9\n"), "Drive", "A", kLatin1), "Caf\uFFFD");
    EXPECT_EQ(IniReadText(Utf16Le(u"[Drive]\nA=x\xD800\n"), "Drive", "A", kLatin1), "x\uFFFD");
    // An odd last byte of a UTF-16 file belongs to no character; it stays at the very end.
    const std::string odd = Utf16Le(u"[Drive]\r\nA=1") + "Z";
    EXPECT_EQ(IniReadText(odd, "Drive", "A", kLatin1), "1");
    EXPECT_EQ(IniWriteTexts(odd, "Drive", {{"B", "2"}}, kLatin1), Utf16Le(u"[Drive]\r\nA=1\r\nB=2") + "Z");
}

TEST(IniText, LoadSaveLoadChangesNothingInAnyForm) {
    const std::string text =
        "[Drive]\r\n  General\t= \"101010\" \r\nExclude Paths='C:\\a|)E(|'\r\nInclude "
        "Filters=" +
        kFilters + "\rCookie= \r\n";
    const char* const keys[] = {"General", "Exclude Paths", "Include Filters", "Exclude Filters", "Cookie"};
    for (const Form& form : kForms) {
        const std::string bytes = form.encode(text);
        IniKeyValues loaded;
        for (const char* key : keys) loaded.push_back({key, IniReadText(bytes, "Drive", key, kLatin1)});
        const auto saved = IniWriteTexts(bytes, "Drive", loaded, kLatin1);
        ASSERT_TRUE(saved) << form.name;
        EXPECT_EQ(IniEncodingOf(*saved), form.encoding) << form.name;
        for (const auto& [key, value] : loaded)
            EXPECT_EQ(IniReadText(*saved, "Drive", key, kLatin1), value) << form.name;
    }
}
