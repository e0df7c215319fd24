#include "platform/filesystem.h"

HANDLE OpenFolderEnumeration(const std::wstring& folder, WIN32_FIND_DATAW& entry) {
    std::wstring pattern = ExtendedLengthPath(folder) + L"*";
    return FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                            FIND_FIRST_EX_LARGE_FETCH);
}

bool ReadFileFacts(const std::wstring& path, FileFacts& facts) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(ExtendedLengthPath(path).c_str(), GetFileExInfoStandard, &data)) return false;
    facts.attributes = data.dwFileAttributes;
    facts.size = (int64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    facts.lastWrite = FileTimeValue(data.ftLastWriteTime);
    return true;
}

bool DeleteFileAnyLength(const std::wstring& path) {
    std::wstring extended = ExtendedLengthPath(path);
    if (DeleteFileW(extended.c_str())) return true;
    DWORD attributes = GetFileAttributesW(extended.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return false;
    SetFileAttributesW(extended.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return DeleteFileW(extended.c_str());
}
