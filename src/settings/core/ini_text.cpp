#include "settings/core/ini_text.h"

#include "settings/core/ini_file.h"
#include "settings/core/utf_codec.h"

namespace {
constexpr std::string_view kUtf8Mark = "\uFEFF", kUtf16LeMark = "\xFF\xFE", kUtf16BeMark = "\xFE\xFF";

std::string_view MarkOf(IniEncoding encoding) {
    switch (encoding) {
        case IniEncoding::kUtf8:
            return kUtf8Mark;
        case IniEncoding::kUtf16Le:
            return kUtf16LeMark;
        case IniEncoding::kUtf16Be:
            return kUtf16BeMark;
        case IniEncoding::kAnsi:
            break;
    }
    return {};
}

bool IsUtf16(IniEncoding encoding) {
    return encoding == IniEncoding::kUtf16Le || encoding == IniEncoding::kUtf16Be;
}

// The UTF-16 units of a file's text after its mark; an odd last byte belongs to no unit and is left out.
std::u16string Utf16Units(std::string_view bytes, bool bigEndian) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        const unsigned char first = bytes[2 * i], second = bytes[2 * i + 1];
        units[i] = bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }
    return units;
}

std::string Utf16Bytes(std::u16string_view units, bool bigEndian) {
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t unit : units) {
        const char low = char(unit & 0xFF), high = char(unit >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// Program text in a narrow file's units: UTF-8 as it is, or the ANSI code page's bytes.
bool ToNarrowUnits(IniEncoding encoding, std::string_view utf8, std::string& units,
                   const AnsiCodePage& ansi) {
    if (encoding == IniEncoding::kAnsi) return ansi.toAnsi(utf8, units);
    units.assign(utf8);
    return IsWellFormedUtf8(utf8);
}

bool ToWideUnits(std::string_view utf8, std::u16string& units) {
    units = Utf16FromUtf8(utf8);
    return IsWellFormedUtf8(utf8);
}

template <class C, class Convert>
std::optional<std::basic_string<C>> SetKeys(std::basic_string<C> text, std::string_view section,
                                            const IniKeyValues& keyValues, Convert convert) {
    std::basic_string<C> storedSection, storedKey, storedValue;
    if (!convert(section, storedSection)) return std::nullopt;
    for (const auto& [key, value] : keyValues) {
        if (!convert(key, storedKey) || !convert(value, storedValue) ||
            !IniCanStore(storedSection, storedKey, storedValue))
            return std::nullopt;
        text = IniWriteValue(text, storedSection, storedKey, storedValue);
    }
    return text;
}
}  // namespace

IniEncoding IniEncodingOf(std::string_view fileBytes) {
    if (fileBytes.starts_with(kUtf16LeMark)) return IniEncoding::kUtf16Le;
    if (fileBytes.starts_with(kUtf16BeMark)) return IniEncoding::kUtf16Be;
    if (fileBytes.starts_with(kUtf8Mark)) return IniEncoding::kUtf8;
    return IniEncoding::kAnsi;
}

bool IniEncodingCanHold(IniEncoding encoding, std::string_view text, const AnsiCodePage& ansi) {
    std::string ansiText;
    return encoding == IniEncoding::kAnsi ? ansi.toAnsi(text, ansiText) : IsWellFormedUtf8(text);
}

std::string IniReadText(std::string_view fileBytes, std::string_view section, std::string_view key,
                        const AnsiCodePage& ansi) {
    const IniEncoding encoding = IniEncodingOf(fileBytes);
    const std::string_view body = fileBytes.substr(MarkOf(encoding).size());
    if (IsUtf16(encoding)) {
        std::u16string storedSection, storedKey;
        if (!ToWideUnits(section, storedSection) || !ToWideUnits(key, storedKey)) return {};
        const std::u16string text = Utf16Units(body, encoding == IniEncoding::kUtf16Be);
        return Utf8FromUtf16(IniReadValue(text, storedSection, storedKey));
    }
    std::string storedSection, storedKey;
    if (!ToNarrowUnits(encoding, section, storedSection, ansi) ||
        !ToNarrowUnits(encoding, key, storedKey, ansi))
        return {};
    const std::string value = IniReadValue(body, storedSection, storedKey);
    return encoding == IniEncoding::kUtf8 ? WellFormedUtf8(value) : ansi.fromAnsi(value);
}

std::optional<std::string> IniWriteTexts(std::string_view fileBytes, std::string_view section,
                                         const IniKeyValues& keyValues, const AnsiCodePage& ansi) {
    const IniEncoding encoding = IniEncodingOf(fileBytes);
    const std::string_view mark = MarkOf(encoding), body = fileBytes.substr(mark.size());
    if (IsUtf16(encoding)) {
        const bool bigEndian = encoding == IniEncoding::kUtf16Be;
        const auto text = SetKeys(Utf16Units(body, bigEndian), section, keyValues, ToWideUnits);
        if (!text) return std::nullopt;
        std::string out(mark);
        out += Utf16Bytes(*text, bigEndian);
        out += body.substr(body.size() & ~size_t(1));  // an odd last byte stays where it was: at the very end
        return out;
    }
    const auto text =
        SetKeys(std::string(body), section, keyValues, [&](std::string_view utf8, std::string& units) {
            return ToNarrowUnits(encoding, utf8, units, ansi);
        });
    if (!text) return std::nullopt;
    std::string out(mark);
    out += *text;
    return out;
}
