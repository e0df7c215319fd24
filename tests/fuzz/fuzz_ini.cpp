// Config.ini in every form (ANSI, UTF-8 and UTF-16 of either byte order): a load, a save of what was
// loaded and a new load give the same values in the same form; writing a key reads back as written and
// leaves every other key as it was; what cannot be stored is refused without a byte written.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "settings/core/ini_file.h"
#include "settings/core/ini_text.h"
#include "settings/core/utf_codec.h"

namespace {
// A stand-in for the platform's ANSI code page: Latin-1, whose round trip is exact.
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

const std::string_view kMarks[] = {"", "\uFEFF", "\xFF\xFE", "\xFE\xFF"};
const char* const kConfigKeys[] = {"General", "Exclude Paths", "Include Filters", "Exclude Filters",
                                   "Cookie"};

// Cuts the next NUL-terminated field off the input.
std::string_view Field(std::string_view& data) {
    const size_t end = data.find('\0');
    const std::string_view field = data.substr(0, end);
    data.remove_prefix(end == std::string_view::npos ? data.size() : end + 1);
    return field;
}

// A name as the profile functions compare it: blanks around it dropped, ASCII case folded.
std::string Folded(std::string_view name) {
    const std::string_view blanks = " \t\v\f\x1a";
    const size_t first = name.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    name = name.substr(first, name.find_last_not_of(blanks) - first + 1);
    std::string out(name);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
    return out;
}

bool Storable(IniEncoding encoding, std::string_view section, std::string_view key, std::string_view value) {
    for (std::string_view text : {section, key, value})
        if (!IniEncodingCanHold(encoding, text, kLatin1)) return false;
    return IniCanStore(section, key, value);  // its rules look at ASCII only, the same in every form
}

void Check(bool ok) {
    if (!ok) std::abort();
}

void LoadSaveLoad(std::string_view file, std::string_view key) {
    IniKeyValues loaded;
    for (const char* k : kConfigKeys) loaded.push_back({k, IniReadText(file, "Drive", k, kLatin1)});
    if (IniCanStore("Drive", key, "") && IniEncodingCanHold(IniEncodingOf(file), key, kLatin1))
        loaded.push_back({std::string(key), IniReadText(file, "Drive", key, kLatin1)});
    const std::optional<std::string> saved = IniWriteTexts(file, "Drive", loaded, kLatin1);
    Check(saved.has_value());
    Check(IniEncodingOf(*saved) == IniEncodingOf(file));
    for (const auto& [k, value] : loaded) Check(IniReadText(*saved, "Drive", k, kLatin1) == value);
    Check(IniWriteTexts(*saved, "Drive", loaded, kLatin1) == *saved);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0) return 0;
    std::string_view data(reinterpret_cast<const char*>(bytes + 1), size - 1);
    const std::string_view section = Field(data), key = Field(data), value = Field(data);
    const std::string_view otherSection = Field(data), otherKey = Field(data);
    const std::string file = std::string(kMarks[bytes[0] % 4]) + std::string(data);

    LoadSaveLoad(file, key);

    const IniEncoding encoding = IniEncodingOf(file);
    const std::optional<std::string> out =
        IniWriteTexts(file, section, {{std::string(key), std::string(value)}}, kLatin1);
    Check(out.has_value() == Storable(encoding, section, key, value));
    if (!out) return 0;
    Check(IniEncodingOf(*out) == encoding);
    Check(IniReadText(*out, section, key, kLatin1) == value);
    Check(IniWriteTexts(*out, section, {{std::string(key), std::string(value)}}, kLatin1) == *out);
    if (Folded(section) != Folded(otherSection) || Folded(key) != Folded(otherKey))
        Check(IniReadText(*out, otherSection, otherKey, kLatin1) ==
              IniReadText(file, otherSection, otherKey, kLatin1));
    return 0;
}
