#include "shared/core/ui_text.h"

#include <array>

#include "shared/core/ui_text_tables.h"

namespace {
constexpr size_t kKeys = size_t(UiText::kCount);
using Index = std::array<const char*, kKeys>;

Index MakeIndex(const UiTextEntry* entries, size_t count) {
    Index index{};
    for (size_t i = 0; i < count; ++i)
        if (size_t(entries[i].key) < kKeys) index[size_t(entries[i].key)] = entries[i].text;
    return index;
}

const Index& IndexOf(UiLanguage language) {
    static const Index chinese = MakeIndex(kChineseTexts, kChineseTextCount);
    static const Index english = MakeIndex(kEnglishTexts, kEnglishTextCount);
    return language == UiLanguage::kEnglish ? english : chinese;
}

UiLanguage current = UiLanguage::kChinese;
}  // namespace

const char* UiTextIn(UiLanguage language, UiText key) {
    return size_t(key) < kKeys ? IndexOf(language)[size_t(key)] : nullptr;
}

const char* UiTextName(UiText key) {
    static const char* const kNames[] = {
#define KDC_UI_TEXT_NAME(key) #key,
        KDC_UI_TEXTS(KDC_UI_TEXT_NAME)
#undef KDC_UI_TEXT_NAME
    };
    return size_t(key) < kKeys ? kNames[size_t(key)] : "?";
}

UiLanguage CurrentUiLanguage() { return current; }
void SetCurrentUiLanguage(UiLanguage language) { current = language; }

const char* UiString(UiText key) {
    if (const char* text = UiTextIn(current, key)) return text;
    const char* chinese = UiTextIn(UiLanguage::kChinese, key);
    return chinese ? chinese : "";
}

UiLanguage UiLanguageFromConfig(std::string_view value) {
    return value == "en" ? UiLanguage::kEnglish : UiLanguage::kChinese;
}

const char* ConfigValueOf(UiLanguage language) { return language == UiLanguage::kEnglish ? "en" : "zh"; }
