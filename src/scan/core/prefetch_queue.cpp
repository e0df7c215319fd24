#include "scan/core/prefetch_queue.h"

#include <algorithm>
#include <cwchar>

void FolderListing::Add(const wchar_t* name, uint32_t attributes, int64_t size, uint64_t lastWrite) {
    entries.push_back({uint32_t(names.size()), attributes, size, lastWrite});
    names.append(name, std::wcslen(name) + 1);
}

size_t FolderListing::Bytes() const {
    return sizeof(FolderListing) + names.capacity() * sizeof(wchar_t) +
           entries.capacity() * sizeof(ListedEntry) + subfolders.capacity() * sizeof(uint32_t);
}

struct PrefetchQueue::Folder {
    std::wstring path;
    // The folder's place in the walk: its subfolder index at each level below the root. The walk is
    // depth-first, so comparing these paths as sequences gives the walk's order.
    std::vector<uint32_t> place;
    enum class State { kUnread, kReading, kReady, kTaken } state = State::kUnread;
    FolderListing listing;
    std::vector<Folder*> subfolders;
};

bool PrefetchQueue::LaterInWalk::operator()(const Folder* a, const Folder* b) const {
    return std::lexicographical_compare(b->place.begin(), b->place.end(), a->place.begin(), a->place.end());
}

PrefetchQueue::PrefetchQueue(ReadFolder read, Options options)
    : read_(std::move(read)), options_(std::move(options)) {}

PrefetchQueue::~PrefetchQueue() { Stop(); }

PrefetchQueue::Folder* PrefetchQueue::Start(const std::wstring& root) {
    auto folder = std::make_unique<Folder>();
    folder->path = root;
    Folder* handle = folder.get();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        folders_.emplace(handle, std::move(folder));
        unread_.push(handle);
    }
    for (int i = 0; i < std::max(1, options_.threads); ++i) workers_.emplace_back([this] { Work(); });
    return handle;
}

bool PrefetchQueue::CanReadNext() const {
    if (unread_.empty()) return false;
    if (unread_.top() == awaited_) return true;
    return readyBytes_ < options_.budgetBytes && readyListings_ < options_.budgetListings;
}

// Under Wine every wake-up of another thread is a round trip through the wine server, so the
// workers and the walk wake each other only when the other side has something to do.
void PrefetchQueue::Work() {
    if (options_.workerStarted) options_.workerStarted();
    for (;;) {
        Folder* folder;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            ++idleWorkers_;
            workAvailable_.wait(lock, [this] { return stop_ || CanReadNext(); });
            --idleWorkers_;
            if (stop_) return;
            folder = unread_.top();
            unread_.pop();
            folder->state = Folder::State::kReading;
            ++readingWorkers_;
        }
        // The folder stays alive while it is read: the walk releases a folder only after taking it.
        FolderListing listing;
        read_(folder->path, listing, stop_);
        bool wakeWorkers, wakeWalk;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            --readingWorkers_;
            if (stop_) return;
            for (uint32_t index = 0; index < listing.subfolders.size(); ++index) {
                auto sub = std::make_unique<Folder>();
                sub->path = folder->path + listing.Name(listing.entries[listing.subfolders[index]]) + L'\\';
                sub->place = folder->place;
                sub->place.push_back(index);
                folder->subfolders.push_back(sub.get());
                unread_.push(sub.get());
                folders_.emplace(sub.get(), std::move(sub));
            }
            readyBytes_ += listing.Bytes();
            readyListings_ += 1;
            peakReadyBytes_ = std::max(peakReadyBytes_, readyBytes_);
            listingsRead_ += 1;
            folder->listing = std::move(listing);
            folder->state = Folder::State::kReady;
            wakeWorkers = idleWorkers_ > 0 && CanReadNext();
            wakeWalk = awaited_ && awaited_->state == Folder::State::kReady &&
                       (readyListings_ >= options_.wakeAfterListings || readingWorkers_ == 0);
        }
        if (wakeWorkers) workAvailable_.notify_all();
        if (wakeWalk && options_.listingReady) options_.listingReady();
    }
}

bool PrefetchQueue::TryTake(Folder* folder, FolderListing& listing, std::vector<Folder*>& subfolders) {
    bool taken = false, wakeWorkers;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (folder->state != Folder::State::kReady) {
            if (awaited_ == folder) return false;
            awaited_ = folder;
        } else {
            taken = true;
            readyBytes_ -= folder->listing.Bytes();
            readyListings_ -= 1;
            listing = std::move(folder->listing);
            folder->listing = FolderListing{};
            subfolders = std::move(folder->subfolders);
            folder->subfolders.clear();
            folder->state = Folder::State::kTaken;
            if (awaited_ == folder) awaited_ = nullptr;
        }
        // Either the awaited folder changed or the budget has room again.
        wakeWorkers = idleWorkers_ > 0 && CanReadNext();
    }
    if (wakeWorkers) workAvailable_.notify_all();
    return taken;
}

void PrefetchQueue::Release(Folder* folder) {
    std::lock_guard<std::mutex> lock(mutex_);
    folders_.erase(folder);
}

void PrefetchQueue::Stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    workAvailable_.notify_all();
    for (std::thread& worker : workers_) worker.join();
    workers_.clear();
    std::lock_guard<std::mutex> lock(mutex_);
    unread_ = {};
    folders_.clear();
    awaited_ = nullptr;
    readyBytes_ = readyListings_ = 0;
}

size_t PrefetchQueue::PeakReadyBytes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return peakReadyBytes_;
}

size_t PrefetchQueue::ListingsRead() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return listingsRead_;
}
