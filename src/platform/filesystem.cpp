#include "platform/filesystem.h"

HANDLE OpenFolderEnumeration(const std::wstring& folder, WIN32_FIND_DATAW& entry) {
    std::wstring pattern = ExtendedLengthPath(folder) + L"*";
    return FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                            FIND_FIRST_EX_LARGE_FETCH);
}

bool HoldsExactName(const std::wstring& path) {
    const size_t slash = path.rfind(L'\\');
    if (slash == std::wstring::npos) return false;
    const std::wstring name = path.substr(slash + 1);
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileExW(ExtendedLengthPath(path).c_str(), FindExInfoBasic, &entry,
                                   FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    if (name == entry.cFileName) return true;
    // The lookup answered with a twin (or the name holds wildcards): only the whole listing can tell.
    bool found = false;
    ForEachFolderEntry(path.substr(0, slash + 1),
                       [&](const WIN32_FIND_DATAW& e) { found = found || name == e.cFileName; });
    return found;
}
