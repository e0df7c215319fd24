#include "platform/file_tree.h"

#include <vector>

std::wstring ExtendedLengthPath(const std::wstring& path) {
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
    if (path.size() > 2 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'?' && path[2] != L'.')
        return L"\\\\?\\UNC\\" + path.substr(2);
    return path;
}

bool IsDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

bool IsFolderLink(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool IsWalkableFolder(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !IsFolderLink(entry.dwFileAttributes) &&
           !IsDotEntry(entry.cFileName);
}

bool ForEachFolderEntry(const std::wstring& folder,
                        const std::function<void(const WIN32_FIND_DATAW&)>& visit) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileExW(ExtendedLengthPath(folder + L"*.*").c_str(), FindExInfoBasic, &entry,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return false;
    do visit(entry);
    while (FindNextFileW(find, &entry));
    FindClose(find);
    return true;
}

namespace {
DWORD RemoveEntry(const std::wstring& path, DWORD attributes) {
    std::wstring api = ExtendedLengthPath(path);
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        DWORD writable = attributes & ~DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY |
                                             FILE_ATTRIBUTE_REPARSE_POINT);
        SetFileAttributesW(api.c_str(), writable ? writable : FILE_ATTRIBUTE_NORMAL);
    }
    BOOL ok =
        (attributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(api.c_str()) : DeleteFileW(api.c_str());
    return ok ? 0 : GetLastError();
}

DWORD DeleteFolderTree(const std::wstring& folder, DWORD attributes) {
    DWORD first = 0;
    std::wstring prefix = folder + L"\\";
    std::vector<std::pair<std::wstring, DWORD>> entries;
    ForEachFolderEntry(prefix, [&](const WIN32_FIND_DATAW& e) {
        if (!IsDotEntry(e.cFileName)) entries.emplace_back(e.cFileName, e.dwFileAttributes);
    });
    for (const auto& [name, attrs] : entries) {
        DWORD error = (attrs & FILE_ATTRIBUTE_DIRECTORY) && !IsFolderLink(attrs)
                          ? DeleteFolderTree(prefix + name, attrs)
                          : RemoveEntry(prefix + name, attrs);
        if (!first) first = error;
    }
    DWORD error = RemoveEntry(folder, attributes);
    return first ? first : error;
}
}  // namespace

DWORD DeleteLinkSafe(const std::wstring& path) {
    std::wstring trimmed = path;
    while (trimmed.size() > 3 && trimmed.back() == L'\\') trimmed.pop_back();
    // The entry's own attributes as a folder listing reports them, so a link reads as a link.
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileExW(ExtendedLengthPath(trimmed).c_str(), FindExInfoBasic, &entry,
                                   FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) return GetLastError();
    FindClose(find);
    DWORD attributes = entry.dwFileAttributes;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !IsFolderLink(attributes))
        return DeleteFolderTree(trimmed, attributes);
    return RemoveEntry(trimmed, attributes);
}
