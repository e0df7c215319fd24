#include "settings/core/ini_file.h"

namespace {
// The same rules for bytes and for UTF-16 units: every character they look at is ASCII, and no byte of a
// double-byte or UTF-8 character is a blank, a line break, "=", "[" or NUL.
template <class C>
using View = std::basic_string_view<C>;
template <class C>
using Text = std::basic_string<C>;

template <class C>
bool IsBlank(C c) {
    return c == C(' ') || c == C('\t') || c == C('\v') || c == C('\f') || c == C(0x1A);
}

template <class C>
bool IsBreak(C c) {
    return c == C('\r') || c == C('\n');
}

template <class C>
View<C> Trim(View<C> s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

template <class C>
View<C> CutAtNul(View<C> s) {
    return s.substr(0, s.find(C(0)));
}

// A name as the profile functions compare it.
template <class C>
View<C> Name(View<C> raw) {
    return CutAtNul(Trim(raw));
}

// What the profile functions return for the text after a key's "=".
template <class C>
View<C> ValueRead(View<C> raw) {
    View<C> value = CutAtNul(Trim(raw));
    if (value.size() >= 2 && (value.front() == C('"') || value.front() == C('\'')) &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

template <class C>
bool SameName(View<C> a, View<C> b) {
    if (a.size() != b.size()) return false;
    const auto fold = [](C c) { return c >= C('A') && c <= C('Z') ? C(c + ('a' - 'A')) : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}

// One line of the text: where its characters end and where the next line starts.
struct Line {
    size_t start = 0, textEnd = 0, next = 0;
};

template <class C>
Line LineAt(View<C> text, size_t start) {
    Line line{start, start, start};
    while (line.textEnd < text.size() && !IsBreak(text[line.textEnd])) ++line.textEnd;
    line.next = line.textEnd;
    if (line.next < text.size() && text[line.next++] == C('\r') && line.next < text.size() &&
        text[line.next] == C('\n'))
        ++line.next;
    return line;
}

// The section name of a header line; nothing for any other line.
template <class C>
bool HeaderName(View<C> lineText, View<C>& name) {
    const View<C> trimmed = Trim(lineText);
    const size_t close = trimmed.rfind(C(']'));
    if (!trimmed.starts_with(C('[')) || close == View<C>::npos) return false;
    name = Name(trimmed.substr(1, close - 1));
    return true;
}

// Where a key and its section lie in the text.
struct Location {
    bool sectionFound = false;
    size_t sectionTail = 0;           // just past the section's last non-blank line
    bool sectionTailHasBreak = true;  // false when that line is the text's last and has no line break
    bool keyFound = false;
    bool keyHasEquals = false;            // false for a key line without "="
    size_t valueStart = 0, valueEnd = 0;  // the value between the blanks after "=" and at the line's end
};

template <class C>
Location Locate(View<C> text, View<C> section, View<C> key) {
    Location loc;
    section = Name(section);
    key = Name(key);
    bool inSection = false;
    for (size_t pos = 0; pos < text.size();) {
        const Line line = LineAt(text, pos);
        const View<C> lineText = text.substr(line.start, line.textEnd - line.start);
        pos = line.next;
        View<C> name;
        if (HeaderName(lineText, name)) {
            if (inSection) break;  // the section ends at the next header
            if (SameName(name, section)) {
                inSection = loc.sectionFound = true;
                loc.sectionTail = line.next;
                loc.sectionTailHasBreak = line.next > line.textEnd;
            }
            continue;
        }
        if (!inSection || Trim(lineText).empty()) continue;
        loc.sectionTail = line.next;
        loc.sectionTailHasBreak = line.next > line.textEnd;
        const size_t equals = lineText.find(C('='));
        if (!SameName(Name(lineText.substr(0, equals)), key)) continue;
        loc.keyFound = true;
        loc.keyHasEquals = equals != View<C>::npos;
        loc.valueStart = loc.valueEnd = line.textEnd;
        if (loc.keyHasEquals) {
            loc.valueStart = line.start + equals + 1;
            while (loc.valueStart < loc.valueEnd && IsBlank(text[loc.valueStart])) ++loc.valueStart;
            while (loc.valueEnd > loc.valueStart && IsBlank(text[loc.valueEnd - 1])) --loc.valueEnd;
        }
        break;
    }
    return loc;
}

// The text's own line break when every line break in it is the same; CR LF otherwise.
template <class C>
Text<C> LineBreakOf(View<C> text) {
    bool crlf = false, lf = false, cr = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == C('\n')) {
            lf = true;
        } else if (text[i] == C('\r')) {
            if (i + 1 < text.size() && text[i + 1] == C('\n'))
                crlf = true, ++i;
            else
                cr = true;
        }
    }
    if (lf && !crlf && !cr) return {C('\n')};
    if (cr && !crlf && !lf) return {C('\r')};
    return {C('\r'), C('\n')};
}

// The value as written, so that it reads back as given.
template <class C>
Text<C> StoredValue(View<C> value) {
    if (ValueRead(value) == value) return Text<C>(value);
    return C('"') + Text<C>(value) + C('"');
}

template <class C>
Text<C> ReadValue(View<C> text, View<C> section, View<C> key) {
    const Location loc = Locate(text, section, key);
    if (!loc.keyFound) return {};
    return Text<C>(ValueRead(text.substr(loc.valueStart, loc.valueEnd - loc.valueStart)));
}

template <class C>
bool CanStore(View<C> section, View<C> key, View<C> value) {
    section = Trim(section);
    key = Trim(key);
    const auto cuts = [](View<C> s) {
        for (C c : s)
            if (IsBreak(c) || c == C(0)) return true;
        return false;
    };
    if (section.empty() || cuts(section) || section.find(C(']')) != View<C>::npos) return false;
    if (key.empty() || cuts(key) || key.find(C('=')) != View<C>::npos) return false;
    if (key.front() == C(';') || key.front() == C('[')) return false;
    return !cuts(value);
}

template <class C>
Text<C> WriteValue(View<C> text, View<C> section, View<C> key, View<C> value) {
    Text<C> out(text);
    if (!CanStore(section, key, value)) return out;
    section = Trim(section);
    key = Trim(key);
    const Text<C> eol = LineBreakOf(text);
    const Text<C> stored = StoredValue(value);
    const Location loc = Locate(text, section, key);
    if (loc.keyFound) {
        out.replace(loc.valueStart, loc.valueEnd - loc.valueStart,
                    loc.keyHasEquals ? stored : C('=') + stored);
        return out;
    }
    const Text<C> line = Text<C>(key) + C('=') + stored;
    if (loc.sectionFound) {
        out.insert(loc.sectionTail, loc.sectionTailHasBreak ? line + eol : eol + line);
    } else {
        if (!out.empty() && !IsBreak(out.back())) out += eol;
        out += C('[') + Text<C>(section) + C(']') + eol + line + eol;
    }
    return out;
}
}  // namespace

std::string IniReadValue(std::string_view text, std::string_view section, std::string_view key) {
    return ReadValue(text, section, key);
}
std::u16string IniReadValue(std::u16string_view text, std::u16string_view section, std::u16string_view key) {
    return ReadValue(text, section, key);
}

bool IniCanStore(std::string_view section, std::string_view key, std::string_view value) {
    return CanStore(section, key, value);
}
bool IniCanStore(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    return CanStore(section, key, value);
}

std::string IniWriteValue(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value) {
    return WriteValue(text, section, key, value);
}
std::u16string IniWriteValue(std::u16string_view text, std::u16string_view section, std::u16string_view key,
                             std::u16string_view value) {
    return WriteValue(text, section, key, value);
}
