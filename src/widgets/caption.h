#pragma once
#include <optional>
#include <string>
#include <utility>

#include "shared/core/ui_text.h"

// What a control shows as its caption: a key of the interface texts, which reads in the current
// language and changes with it, or a fixed text (a name, a number, user data), which never does.
class Caption {
  public:
    Caption() = default;
    Caption(UiText key) : key_(key) {}
    Caption(std::string text) : text_(std::move(text)) {}
    Caption(const char* text) : text_(text ? text : "") {}

    std::string Text() const { return prefix_ + (key_ ? std::string(UiString(*key_)) : text_); }
    std::optional<UiText> Key() const { return key_; }
    // The same caption behind a mark of the program's (a sorted column's arrow); "" takes it away.
    Caption WithPrefix(std::string prefix) const {
        Caption c = *this;
        c.prefix_ = std::move(prefix);
        return c;
    }
    bool operator==(const std::string& text) const { return Text() == text; }

  private:
    std::optional<UiText> key_;
    std::string text_;
    std::string prefix_;
};
