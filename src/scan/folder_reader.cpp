#include "scan/folder_reader.h"

#include <windows.h>

#include "platform/filesystem.h"
#include "platform/text.h"
#include "scan/core/match_mask.h"

void ReadFolderListing(const std::wstring& folder, const std::vector<std::string>& excludedPaths,
                       FolderListing& listing, const std::atomic<bool>& stop) {
    WIN32_FIND_DATAW e;
    HANDLE find = OpenFolderEnumeration(folder, e);
    if (find == INVALID_HANDLE_VALUE) return;
    listing.opened = true;
    const std::string utf8Folder = Narrow(folder);
    std::string fullPath;
    do {
        const bool isFolder = e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        const uint32_t index = uint32_t(listing.entries.size());
        listing.Add(e.cFileName, e.dwFileAttributes, EntrySize(e), FileTimeValue(e.ftLastWriteTime));
        if (!isFolder || IsReparsePoint(e.dwFileAttributes) || IsDotEntry(e.cFileName)) continue;
        fullPath = utf8Folder;
        AppendNarrow(e.cFileName, fullPath);
        if (!MatchesAnyMask(fullPath, excludedPaths)) listing.subfolders.push_back(index);
    } while (!stop.load(std::memory_order_relaxed) && FindNextFileW(find, &e));
    FindClose(find);
}
