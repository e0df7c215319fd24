#include "settings/core/utf_codec.h"

namespace {
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMalformed = 0xFFFFFFFF;

// The code point that starts at text[i], moving i past it. A malformed sequence gives kMalformed and moves
// i past its longest well-started part, at least one byte, as the Unicode standard recommends.
char32_t NextCodePoint(std::string_view text, size_t& i) {
    const unsigned char lead = text[i++];
    if (lead < 0x80) return lead;
    int following = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        following = 1, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        following = 2, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        following = 3, code = lead & 0x07;
    } else {
        return kMalformed;
    }
    // The second byte's range already rules out overlong forms, surrogates and code points beyond
    // U+10FFFF, so a malformed sequence ends at its first wrong byte (which starts the next one).
    for (int k = 0; k < following; ++k) {
        unsigned char lowest = 0x80, highest = 0xBF;
        if (k == 0 && lead == 0xE0) lowest = 0xA0;
        if (k == 0 && lead == 0xED) highest = 0x9F;
        if (k == 0 && lead == 0xF0) lowest = 0x90;
        if (k == 0 && lead == 0xF4) highest = 0x8F;
        if (i >= text.size()) return kMalformed;
        const unsigned char next = text[i];
        if (next < lowest || next > highest) return kMalformed;
        code = (code << 6) | (next & 0x3F);
        ++i;
    }
    return code;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
}  // namespace

std::u16string Utf16FromUtf8(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t code = NextCodePoint(utf8, i);
        if (code == kMalformed) code = kReplacement;
        if (code < 0x10000) {
            out += char16_t(code);
        } else {
            out += char16_t(0xD800 + ((code - 0x10000) >> 10));
            out += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string Utf8FromUtf16(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        if (IsHighSurrogate(unit) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
            AppendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (utf16[i + 1] - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacement : unit);
        }
    }
    return out;
}

bool IsWellFormedUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();)
        if (NextCodePoint(text, i) == kMalformed) return false;
    return true;
}

std::string WellFormedUtf8(std::string_view text) {
    if (IsWellFormedUtf8(text)) return std::string(text);
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const char32_t code = NextCodePoint(text, i);
        AppendUtf8(out, code == kMalformed ? kReplacement : code);
    }
    return out;
}
