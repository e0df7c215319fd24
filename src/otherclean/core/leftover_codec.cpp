#include "otherclean/core/leftover_codec.h"

namespace {

inline unsigned char Offset(size_t i) {
    return static_cast<unsigned char>(kLeftoverOffsetBase + i % kLeftoverOffsetCycle);
}

}  // namespace

std::string LeftoverEntry(std::string_view path) {
    std::string entry(path);
    entry += kLeftoverSeparator;
    return entry;
}

std::string EncodeLeftoverFile(std::string_view listText) {
    std::string file(kLeftoverFileSize, '*');
    if (listText.size() > kLeftoverMaxText) return file;
    for (size_t i = 0; i < listText.size(); ++i) {
        file[i] = static_cast<char>(static_cast<unsigned char>(listText[i]) + Offset(i));
    }
    return file;
}

std::string DecodeLeftoverFile(std::string_view fileBytes) {
    if (fileBytes.size() > kLeftoverFileSize) return {};
    // The '*' fill is unscrambled like the text; none of its values is NUL or completes a terminator.
    std::string text;
    text.reserve(fileBytes.size());
    for (size_t i = 0; i < fileBytes.size(); ++i) {
        const char c = static_cast<char>(static_cast<unsigned char>(fileBytes[i]) - Offset(i));
        if (c == '\0') break;
        text += c;
    }
    const size_t end = text.find(kLeftoverTerminator);
    if (end == std::string::npos) return {};
    text.resize(end);
    return text;
}

std::vector<std::string> SplitLeftoverEntries(std::string_view text) {
    std::vector<std::string> entries;
    for (size_t sep = text.find(kLeftoverSeparator); sep != std::string_view::npos;
         sep = text.find(kLeftoverSeparator)) {
        entries.emplace_back(text.substr(0, sep));
        text.remove_prefix(sep + kLeftoverSeparator.size());
    }
    return entries;
}
