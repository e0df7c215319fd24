#include "scan/core/path_identity.h"

namespace {
std::wstring_view WithoutTrailingDotsAndBlanks(std::wstring_view name) {
    while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) name.remove_suffix(1);
    return name;
}

// Takes the last name off a path; false when none is left.
bool PopName(std::wstring_view& path, std::wstring_view& name) {
    while (!path.empty() && path.back() == L'\\') path.remove_suffix(1);
    if (path.empty()) return false;
    size_t slash = path.rfind(L'\\');
    name = slash == std::wstring_view::npos ? path : path.substr(slash + 1);
    path = slash == std::wstring_view::npos ? std::wstring_view() : path.substr(0, slash);
    return true;
}
}  // namespace

bool FinalPathMatchesListed(std::wstring_view listedPath, std::wstring_view finalPath) {
    if (listedPath.size() < 3 || listedPath[1] != L':' || listedPath[2] != L'\\') return false;
    std::wstring_view listed = listedPath.substr(3);
    std::wstring_view listedName, finalName;
    bool any = false;
    while (PopName(listed, listedName)) {
        if (!PopName(finalPath, finalName)) return false;
        if (WithoutTrailingDotsAndBlanks(listedName) != WithoutTrailingDotsAndBlanks(finalName)) return false;
        any = true;
    }
    return any;
}
