#include "platform/known_folders.h"

#include <shlobj.h>

#include "platform/text.h"

std::optional<std::string> SpecialFolderPath(int csidl) {
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || !allocator) return std::nullopt;
    PIDLIST_ABSOLUTE list = nullptr;
    std::optional<std::string> path;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) && list) {
        wchar_t buffer[MAX_PATH] = {};
        if (SHGetPathFromIDListW(list, buffer) && buffer[0]) path = Narrow(buffer);
        allocator->Free(list);
    }
    allocator->Release();
    if (path && path->size() > 3 && path->back() == '\\') path->pop_back();
    return path;
}

std::string TempFolderPath() {
    wchar_t shortPath[1024] = {};
    DWORD n = GetTempPathW(1024, shortPath);
    if (n == 0 || n >= 1024) return {};
    std::wstring path(32768, L'\0');
    DWORD m = GetLongPathNameW(shortPath, path.data(), DWORD(path.size()));
    if (m == 0 || m >= path.size())
        path = shortPath;
    else
        path.resize(m);
    if (!path.empty() && path.back() != L'\\') path += L'\\';
    return Narrow(path);
}
