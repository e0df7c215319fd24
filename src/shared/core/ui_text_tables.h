#pragma once
#include <cstddef>

#include "shared/core/ui_text.h"

// The two tables, in any order of keys; ui_text.cpp indexes them.
extern const UiTextEntry kChineseTexts[];
extern const size_t kChineseTextCount;
extern const UiTextEntry kEnglishTexts[];
extern const size_t kEnglishTextCount;
