#include "settings/core/ini_file.h"

namespace {
constexpr std::string_view kBom = "\uFEFF";

std::string_view Trim(std::string_view s) {
    const std::string_view blanks = " \t\r";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
        if (x != y) return false;
    }
    return true;
}

// Where a key and its section lie in the file. Offsets are into the file's bytes.
struct Location {
    bool sectionFound = false;
    size_t sectionTail = 0;           // just past the section's last non-blank line
    bool sectionTailHasBreak = true;  // false when that line is the file's last and has no line break
    bool keyFound = false;
    size_t keyLine = 0, keyLineTextEnd = 0;  // the key's line without its line break
    size_t valueStart = 0;
};

Location Locate(std::string_view bytes, std::string_view section, std::string_view key) {
    Location loc;
    section = Trim(section);
    key = Trim(key);
    bool inSection = false;
    size_t pos = bytes.starts_with(kBom) ? kBom.size() : 0;
    while (pos < bytes.size()) {
        const size_t nl = bytes.find('\n', pos);
        const bool hasBreak = nl != std::string_view::npos;
        const size_t end = hasBreak ? nl + 1 : bytes.size();
        size_t textEnd = hasBreak ? nl : bytes.size();
        if (hasBreak && textEnd > pos && bytes[textEnd - 1] == '\r') --textEnd;
        const std::string_view text = bytes.substr(pos, textEnd - pos);
        const std::string_view trimmed = Trim(text);

        if (trimmed.starts_with('[')) {
            if (inSection) break;  // the section ends at the next header
            std::string_view name = trimmed.substr(1);
            name = Trim(name.substr(0, name.find(']')));
            if (!loc.sectionFound && SameName(name, section)) {
                inSection = loc.sectionFound = true;
                loc.sectionTail = end;
                loc.sectionTailHasBreak = hasBreak;
            }
        } else if (inSection && !trimmed.empty()) {
            loc.sectionTail = end;
            loc.sectionTailHasBreak = hasBreak;
            const size_t eq = text.find('=');
            if (!trimmed.starts_with(';') && eq != std::string_view::npos &&
                SameName(Trim(text.substr(0, eq)), key)) {
                loc.keyFound = true;
                loc.keyLine = pos;
                loc.keyLineTextEnd = textEnd;
                loc.valueStart = pos + eq + 1;
                break;
            }
        }
        pos = end;
    }
    return loc;
}

// New lines follow the file's first line break; a file without one gets the Windows default.
std::string_view LineBreakOf(std::string_view bytes) {
    const size_t nl = bytes.find('\n');
    if (nl == std::string_view::npos) return "\r\n";
    return nl > 0 && bytes[nl - 1] == '\r' ? "\r\n" : "\n";
}
}  // namespace

std::string IniReadValue(std::string_view fileBytes, std::string_view section, std::string_view key) {
    const Location loc = Locate(fileBytes, section, key);
    if (!loc.keyFound) return {};
    std::string_view value = fileBytes.substr(loc.valueStart, loc.keyLineTextEnd - loc.valueStart);
    while (value.ends_with('\r')) value.remove_suffix(1);
    return std::string(value);
}

bool IniCanStore(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    const auto hasBreak = [](std::string_view s) {
        return s.find_first_of("\r\n") != std::string_view::npos;
    };
    if (section.empty() || hasBreak(section) || section.find(']') != std::string_view::npos) return false;
    if (key.empty() || hasBreak(key) || key.find('=') != std::string_view::npos) return false;
    if (key.starts_with(';') || key.starts_with('[')) return false;
    return !hasBreak(value);
}

std::string IniWriteValue(std::string_view fileBytes, std::string_view section, std::string_view key,
                          std::string_view value) {
    std::string out(fileBytes);
    if (!IniCanStore(section, key, value)) return out;
    section = Trim(section);
    key = Trim(key);
    const std::string_view eol = LineBreakOf(fileBytes);
    std::string line = std::string(key) + "=" + std::string(value);

    const Location loc = Locate(fileBytes, section, key);
    if (loc.keyFound) {
        out.replace(loc.keyLine, loc.keyLineTextEnd - loc.keyLine, line);
    } else if (loc.sectionFound) {
        out.insert(loc.sectionTail,
                   loc.sectionTailHasBreak ? line + std::string(eol) : std::string(eol) + line);
    } else {
        const bool atLineStart = out.empty() || out == kBom || out.ends_with('\n');
        if (!atLineStart) out += eol;
        out += "[" + std::string(section) + "]" + std::string(eol) + line + std::string(eol);
    }
    return out;
}
