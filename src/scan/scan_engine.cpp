#include "scan/scan_engine.h"

#include <algorithm>
#include <vector>

#include "platform/filesystem.h"
#include "platform/text.h"
#include "scan/core/match_mask.h"
#include "scan/core/prefetch_queue.h"
#include "scan/folder_reader.h"

namespace {

// Listings read ahead but not yet walked stay within this much memory and this many folders.
constexpr size_t kPrefetchBudgetBytes = size_t(32) << 20;
constexpr size_t kPrefetchBudgetListings = 4096;
// A wide folder's entries are matched in runs of this many between two calls of the pump, which
// lets messages run when their time has come.
constexpr size_t kEntriesPerPump = 512;
constexpr DWORD kListingWaitMs = 20;
// Each wake-up of the walk costs a round trip through the wine server; when the walk has caught up
// with the readers, it wakes for a batch of listings rather than for each.
constexpr size_t kWakeAfterListings = 16;
size_t lastPrefetchPeakBytes = 0;

// Whether the scan lists a file of a folder (name in UTF-8): not excluded by name, not left out by its
// attributes, and either matched by an include mask or empty while zero-byte files are listed.
bool IsListedFile(const ListedEntry& e, std::string_view name, const ScanSettings& settings) {
    if (IsDotName(name) || MatchesAnyMask(name, settings.excludeMasks)) return false;
    const uint32_t a = e.attributes;
    if (IsSkippedByAttributes(a & FILE_ATTRIBUTE_READONLY, a & FILE_ATTRIBUTE_SYSTEM,
                              a & FILE_ATTRIBUTE_HIDDEN, settings.general))
        return false;
    if (MatchesAnyMask(name, settings.includeMasks)) return true;
    return settings.general.zero && e.size == 0;
}

// The walk's view of what it was handed.
struct WalkInputs {
    PrefetchQueue& queue;
    HANDLE listingReady;
    const ScanSettings& settings;
    const ScanCallbacks& cb;

    bool Stopped() const { return cb.stopped && cb.stopped(); }
    bool Paused() const { return cb.paused && cb.paused(); }
};

// A folder of the walk: its listing has been consumed, its subfolders are visited in order.
struct WalkFrame {
    PrefetchQueue::Folder* folder;
    std::wstring path;  // with its trailing "\"
    std::vector<PrefetchQueue::Folder*> subfolders;
    std::vector<std::wstring> subfolderPaths;
    size_t next = 0;
};

// Enters a folder: the status, its listing once read, then its files. False when the scan was stopped
// meanwhile.
bool VisitFolder(WalkFrame& frame, const WalkInputs& in) {
    const ScanCallbacks& cb = in.cb;
    if (cb.pump) cb.pump();
    if (cb.enterFolder) cb.enterFolder(frame.path);
    FolderListing listing;
    while (!in.queue.TryTake(frame.folder, listing, frame.subfolders)) {
        if (in.Stopped()) return false;
        if (cb.waitForListing)
            cb.waitForListing(in.listingReady);
        else
            WaitForSingleObject(in.listingReady, kListingWaitMs);
    }
    for (uint32_t index : listing.subfolders)
        frame.subfolderPaths.push_back(frame.path + listing.Name(listing.entries[index]) + L'\\');
    std::string name;
    for (size_t i = 0; i < listing.entries.size(); ++i) {
        // Every entry after the first looks at the state, so a stop ends the folder at once.
        if (i > 0 && in.Stopped()) return false;
        if (i % kEntriesPerPump == kEntriesPerPump - 1 && cb.pump) cb.pump();
        const ListedEntry& e = listing.entries[i];
        if (e.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) continue;
        name.clear();
        AppendNarrow(listing.Name(e), name);
        if (IsListedFile(e, name, in.settings) && cb.addFoundFile)
            cb.addFoundFile({listing.Name(e), e.size, e.lastWrite}, frame.path);
    }
    return true;
}

// The depth-first walk over the listings the queue reads ahead.
void Walk(const std::wstring& root, const WalkInputs& in) {
    std::vector<WalkFrame> stack;
    WalkFrame first{in.queue.Start(root), root, {}, {}, 0};
    if (!VisitFolder(first, in)) return;
    stack.push_back(std::move(first));
    while (!stack.empty()) {
        WalkFrame& top = stack.back();
        if (top.next == top.subfolders.size()) {
            in.queue.Release(top.folder);
            stack.pop_back();
            continue;
        }
        if (in.Stopped()) return;
        if (in.Paused()) {
            if (in.cb.waitWhilePaused) in.cb.waitWhilePaused();
            continue;
        }
        WalkFrame child{top.subfolders[top.next], std::move(top.subfolderPaths[top.next]), {}, {}, 0};
        ++top.next;
        if (!VisitFolder(child, in)) return;
        stack.push_back(std::move(child));
    }
}

}  // namespace

int PrefetchThreads() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return std::max(2, int(info.dwNumberOfProcessors));
}

size_t LastPrefetchPeakBytes() { return lastPrefetchPeakBytes; }

bool IsSubfolder(const WIN32_FIND_DATAW& entry) {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    return wcscmp(entry.cFileName, L".") != 0 && wcscmp(entry.cFileName, L"..") != 0;
}

void ScanFolder(const std::wstring& folder, const ScanSettings& settings, const ScanCallbacks& cb) {
    HANDLE listingReady = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    {
        // The readers get their own copy of the excluded-folder patterns, so that nothing they read
        // belongs to the GUI thread. The queue stops its readers and frees every listing when it goes.
        PrefetchQueue queue(
            [excluded = settings.excludePaths](const std::wstring& path, FolderListing& listing,
                                               const std::atomic<bool>& stop) {
                ReadFolderListing(path, excluded, listing, stop);
            },
            {.threads = PrefetchThreads(),
             .budgetBytes = kPrefetchBudgetBytes,
             .budgetListings = kPrefetchBudgetListings,
             .wakeAfterListings = kWakeAfterListings,
             .listingReady = [listingReady] { SetEvent(listingReady); },
             // The window's thread goes first when the cores are busy: it must answer at once.
             .workerStarted = [] { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL); }});
        Walk(WithBackslash(folder), {queue, listingReady, settings, cb});
        lastPrefetchPeakBytes = queue.PeakReadyBytes();
    }
    CloseHandle(listingReady);
}
