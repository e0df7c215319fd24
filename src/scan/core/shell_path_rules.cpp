#include "scan/core/shell_path_rules.h"

#include <cstdint>

namespace {
wchar_t Lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c; }

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

// Device names match on the part before the first dot, blanks at its end ignored ("con .txt" too).
bool IsDeviceName(std::wstring_view name) {
    std::wstring_view base = name.substr(0, name.find(L'.'));
    while (!base.empty() && base.back() == L' ') base.remove_suffix(1);
    for (std::wstring_view device : {L"con", L"prn", L"aux", L"nul", L"conin$", L"conout$"}) {
        if (EqualsIgnoringCase(base, device)) return true;
    }
    if (base.size() == 4 &&
        (EqualsIgnoringCase(base.substr(0, 3), L"com") || EqualsIgnoringCase(base.substr(0, 3), L"lpt"))) {
        wchar_t digit = base[3];
        // The superscript digits name devices too.
        return (digit >= L'1' && digit <= L'9') || digit == L'¹' || digit == L'²' || digit == L'³';
    }
    return false;
}

bool IsRefusedCharacter(wchar_t c) {
    return c < 32 || std::wstring_view(L"<>:\"/|?*").find(c) != std::wstring_view::npos;
}

// A device name only counts as the last name of a path: "C:\con\inner.tmp" is an ordinary file.
bool IsRewrittenName(std::wstring_view name, bool last) {
    if (name.empty() || name == L"." || name == L"..") return true;
    if (name.back() == L'.' || name.back() == L' ') return true;
    for (wchar_t c : name) {
        if (IsRefusedCharacter(c)) return true;
    }
    return last && IsDeviceName(name);
}

// UTF-16 units: a character beyond the BMP takes two (wchar_t is 32 bits wide outside Windows).
size_t Utf16Length(std::wstring_view path) {
    size_t units = 0;
    for (wchar_t c : path) units += (uint32_t(c) >> 16) != 0 ? 2 : 1;
    return units;
}
}  // namespace

ShellPathProblem ShellPathProblemOf(std::wstring_view path) {
    // The drive ("C:\") is the shell's own; the names after it are the ones Win32 rewrites.
    if (path.size() < 3 || path[1] != L':' || path[2] != L'\\') return ShellPathProblem::kName;
    std::wstring_view rest = path.substr(3);
    if (rest.empty()) return ShellPathProblem::kName;
    while (!rest.empty()) {
        size_t end = rest.find(L'\\');
        if (IsRewrittenName(rest.substr(0, end), end == std::wstring_view::npos))
            return ShellPathProblem::kName;
        if (end == std::wstring_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    if (Utf16Length(path) > kShellPathLimit) return ShellPathProblem::kTooLong;
    return ShellPathProblem::kNone;
}

bool HoldsUnreachableCharacter(std::wstring_view name, bool backslashSeparates) {
    for (wchar_t c : name) {
        if (c == L'/' || c == L'�' || (c == L'\\' && !backslashSeparates)) return true;
    }
    return false;
}
