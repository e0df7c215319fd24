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

// Opens an entry itself, never a link's target (a folder opens too, so that it can be recognised),
// through its "\\?\" path; share is the sharing granted to others.
HANDLE OpenEntry(const std::wstring& path, DWORD access,
                 DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);

// Whether the last failed open met a file whose deletion is pending: the system names that only in its
// own status, which the Win32 error folds into "access denied".
bool LastOpenMetPendingDeletion();

// What one lookup of the name says, as cheaply as the system offers: nothing is opened (under Wine no
// request goes to its server). The lookup folds case and may follow an 8.3 alias, so a twin reads as
// present; only kGone is certain. A missing name costs a read of its whole folder under Wine (40 ms in a
// folder of 100,000 files), a present one a few microseconds. Enough to tell how far a deletion has come,
// never what it did.
enum class NamePresence { kPresent, kGone, kUnknown };
NamePresence LookUpName(const std::wstring& path);

// Whether the security of the file or of its folder forbids this user to delete it: the file grants no
// DELETE, or its folder grants no right to remove entries. False when that cannot be told.
bool SecurityForbidsDeleting(const std::wstring& path);
