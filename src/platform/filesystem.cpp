#include "platform/filesystem.h"

HANDLE OpenFolderEnumeration(const std::wstring& folder, WIN32_FIND_DATAW& entry) {
    std::wstring pattern = ExtendedLengthPath(folder) + L"*";
    return FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                            FIND_FIRST_EX_LARGE_FETCH);
}
