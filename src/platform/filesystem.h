#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/file_tree.h"  // ExtendedLengthPath

// The first entry of a folder ("C:\X\", with its trailing "\"), or INVALID_HANDLE_VALUE when the
// folder cannot be enumerated. Close the handle with FindClose.
HANDLE OpenFolderEnumeration(const std::wstring& folder, WIN32_FIND_DATAW& entry);

// True for a folder link or junction (and, on Windows, a file link): the walks never go through one.
inline bool IsReparsePoint(DWORD attributes) { return attributes & FILE_ATTRIBUTE_REPARSE_POINT; }

inline int64_t EntrySize(const WIN32_FIND_DATAW& e) {
    return (int64_t(e.nFileSizeHigh) << 32) | e.nFileSizeLow;
}
inline uint64_t FileTimeValue(const FILETIME& t) {
    return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}
