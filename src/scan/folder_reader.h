#pragma once
#include <atomic>
#include <string>
#include <vector>

#include "scan/core/prefetch_queue.h"

// Reads one folder ("D:\X\", with its trailing "\") into a listing, on a prefetch thread. Every entry
// is kept in enumeration order; the subfolders to walk into are the folder entries that are neither
// "." nor "..", nor links, nor matched by an excluded-folder pattern (tested against the full path
// without the trailing "\"), so an excluded folder is never opened. A folder that cannot be
// enumerated gives an empty listing.
void ReadFolderListing(const std::wstring& folder, const std::vector<std::string>& excludedPaths,
                       FolderListing& listing, const std::atomic<bool>& stop);
