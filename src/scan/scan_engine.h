#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "shared/scan_settings.h"

// The walk of the Drive Clean scan. It matches by the settings it is handed, asks the callbacks whether
// it was stopped or paused, and reports through them, so the window and the benchmarks drive the same
// code.
struct FoundFile {
    const wchar_t* name;
    int64_t size;
    uint64_t lastWrite;
};

struct ScanCallbacks {
    // Whether the user has stopped the scan, or paused it; asked between two entries. Unset: neither.
    std::function<bool()> stopped;
    std::function<bool()> paused;
    std::function<void()> pump;                                   // lets pending messages run
    std::function<void()> waitWhilePaused;                        // one wait step of a paused walk
    std::function<void(HANDLE listingReady)> waitForListing;      // one wait step for the next folder
    std::function<void(const std::wstring& folder)> enterFolder;  // folder with its trailing "\"
    std::function<void(const FoundFile& file, const std::wstring& folder)> addFoundFile;
};

// Walks a folder ("D:\" or "D:\X\") depth-first: all its files first, then each subfolder in
// enumeration order. Worker threads read the folders' listings ahead of the walk, in the walk's order
// and within a memory budget; the calling thread only matches names and reports, and never waits on
// the file system itself: while the next listing is read it runs waitForListing. Links are never
// entered nor listed, and excluded folders are never opened. The drives of the settings play no part:
// the folder is the one walked.
void ScanFolder(const std::wstring& folder, const ScanSettings& settings, const ScanCallbacks& callbacks);

// How many threads read listings ahead of the walk: one per core, at least two.
int PrefetchThreads();

// The most memory that listings read ahead but not yet walked held during the last ScanFolder, for the
// benchmarks.
size_t LastPrefetchPeakBytes();

// A folder entry other than "." and "..". The walks of the Other Clean page use the same test.
bool IsSubfolder(const WIN32_FIND_DATAW& entry);
