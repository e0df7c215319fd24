#pragma once
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <queue>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

// One entry of a folder listing. Names live in the listing's shared buffer, so a listing of a
// hundred thousand files is two allocations, not a hundred thousand.
struct ListedEntry {
    uint32_t nameOffset = 0;  // into FolderListing::names; the name ends in a NUL there
    uint32_t attributes = 0;
    int64_t size = 0;
    uint64_t lastWrite = 0;
};

// A folder's complete listing, in the file system's enumeration order.
struct FolderListing {
    bool opened = false;  // false: the folder could not be enumerated, and counts as empty
    std::wstring names;
    std::vector<ListedEntry> entries;
    // The entries to walk into afterwards, in order: folders that are neither links nor excluded.
    std::vector<uint32_t> subfolders;

    const wchar_t* Name(const ListedEntry& e) const { return names.data() + e.nameOffset; }
    void Add(const wchar_t* name, uint32_t attributes, int64_t size, uint64_t lastWrite);
    size_t Bytes() const;
};

// Reads folder listings ahead of a depth-first walk, on worker threads, and hands each complete
// listing to the walk when it gets there. The workers read in the walk's own order: the earliest
// known folder that nobody has read yet goes first, so the folder the walk needs next is always at
// the front. Listings read but not yet taken stay within a budget; the workers wait when it is full,
// except for the very folder the walk is waiting for, so the walk can never be starved by its own
// read-ahead. Stop (or destruction) ends the workers and frees every listing and folder.
//
// All shared state sits behind one mutex; the readers work on their own listing outside it.
class PrefetchQueue {
  public:
    struct Folder;  // a folder of the walk, known to the queue; the walk holds it as a handle
    // Fills a listing of the folder (its path ends in "\"), choosing the subfolders to walk into. It
    // should look at `stop` now and then and give up early when it is set.
    using ReadFolder = std::function<void(const std::wstring& folder, FolderListing& listing,
                                          const std::atomic<bool>& stop)>;
    struct Options {
        int threads = 2;
        size_t budgetBytes = size_t(32) << 20;
        size_t budgetListings = 4096;
        // The walk is woken when the listing it awaits has been read and this many listings are ready,
        // or no other is being read: fewer, larger steps when the walk outpaces the readers.
        size_t wakeAfterListings = 1;
        std::function<void()> listingReady;   // called on a worker to wake the walk
        std::function<void()> workerStarted;  // called first on each worker thread
    };

    PrefetchQueue(ReadFolder read, Options options);
    ~PrefetchQueue();
    PrefetchQueue(const PrefetchQueue&) = delete;
    PrefetchQueue& operator=(const PrefetchQueue&) = delete;

    // Starts the workers on a walk from the root folder (path ending in "\") and returns its handle.
    Folder* Start(const std::wstring& root);

    // The walk's side. TryTake gives the folder's listing and the handles of its subfolders (one per
    // entry of listing.subfolders) once it has been read; until then it returns false and marks the
    // folder as the one the walk waits for. Release tells the queue that the walk is done with a
    // folder and everything below it.
    bool TryTake(Folder* folder, FolderListing& listing, std::vector<Folder*>& subfolders);
    void Release(Folder* folder);

    // Ends the workers at their next check and frees everything. Safe to call more than once.
    void Stop();

    // For benchmarks and tests.
    size_t PeakReadyBytes() const;
    size_t ListingsRead() const;

  private:
    void Work();
    bool CanReadNext() const;

    struct LaterInWalk {
        bool operator()(const Folder* a, const Folder* b) const;
    };

    ReadFolder read_;
    Options options_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::priority_queue<Folder*, std::vector<Folder*>, LaterInWalk> unread_;
    std::unordered_map<Folder*, std::unique_ptr<Folder>> folders_;
    Folder* awaited_ = nullptr;
    int idleWorkers_ = 0, readingWorkers_ = 0;
    size_t readyBytes_ = 0, readyListings_ = 0, peakReadyBytes_ = 0, listingsRead_ = 0;
    std::vector<std::thread> workers_;
};
