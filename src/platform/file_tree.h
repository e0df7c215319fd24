#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Folder listings and deletions that never follow a link. A folder link (junction, symbolic link, a
// Unix link under Wine) reads as a folder with FILE_ATTRIBUTE_REPARSE_POINT; it is never entered, and
// deleting it removes the link, never what it points to.

// The path as the file APIs take it beyond MAX_PATH: "\\?\C:\..." or "\\?\UNC\server\...".
std::wstring ExtendedLengthPath(const std::wstring& path);

// A folder that a walk goes into: a folder other than "." and ".." that is no link.
bool IsWalkableFolder(const WIN32_FIND_DATAW& entry);
bool IsFolderLink(DWORD attributes);
bool IsDotEntry(const wchar_t* name);

// Lists every entry of a folder (hidden, system and read-only ones included, "." and ".." too) in the
// listing's order; folder ends in "\". False when the folder cannot be listed.
bool ForEachFolderEntry(const std::wstring& folder,
                        const std::function<void(const WIN32_FIND_DATAW&)>& visit);

// Deletes a file (read-only ones too), a folder link as a link, or a folder with everything in it.
// Permanent. Returns 0 or the first error met; what cannot be deleted stays.
DWORD DeleteLinkSafe(const std::wstring& path);
