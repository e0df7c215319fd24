#include "platform/filesystem.h"

HANDLE OpenFolderEnumeration(const std::wstring& folder, WIN32_FIND_DATAW& entry) {
    std::wstring pattern = ExtendedLengthPath(folder) + L"*";
    return FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                            FIND_FIRST_EX_LARGE_FETCH);
}

std::wstring VolumeRelativePath(HANDLE file) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetFinalPathNameByHandleW(file, path.data(), DWORD(path.size()),
                                                 FILE_NAME_NORMALIZED | VOLUME_NAME_NONE);
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length + 1);
    }
}
