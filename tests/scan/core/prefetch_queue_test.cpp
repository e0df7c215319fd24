#include "scan/core/prefetch_queue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <random>
#include <thread>

namespace {

// A made-up folder tree: each folder's path ("R\", "R\a0\", ...) maps to its subfolder names, and
// each folder also holds a few files, so that listings differ in size.
using Tree = std::map<std::wstring, std::vector<std::wstring>>;

Tree MakeTree(int fanOut, int depth) {
    Tree tree;
    std::vector<std::wstring> level{L"R\\"};
    for (int d = 0; d < depth; ++d) {
        std::vector<std::wstring> next;
        for (const std::wstring& folder : level) {
            for (int i = 0; i < fanOut; ++i) {
                std::wstring name = (i % 2 ? L"b" : L"a") + std::to_wstring(d) + L"_" + std::to_wstring(i);
                tree[folder].push_back(name);
                next.push_back(folder + name + L"\\");
            }
        }
        level = std::move(next);
    }
    for (const std::wstring& folder : level) tree[folder];
    return tree;
}

// A reader over the made-up tree that takes a random short while, so that workers finish out of order.
PrefetchQueue::ReadFolder TreeReader(const Tree& tree, std::atomic<int>* reads = nullptr) {
    return [&tree, reads](const std::wstring& folder, FolderListing& listing, const std::atomic<bool>& stop) {
        if (reads) ++*reads;
        thread_local std::mt19937 random(std::hash<std::thread::id>{}(std::this_thread::get_id()));
        if (random() % 4 == 0) std::this_thread::sleep_for(std::chrono::microseconds(random() % 100));
        auto it = tree.find(folder);
        if (it == tree.end() || stop) return;
        listing.opened = true;
        for (int f = 0; f < int(folder.size() % 5); ++f)
            listing.Add((L"f" + std::to_wstring(f)).c_str(), 0, f, 0);
        for (const std::wstring& name : it->second) {
            listing.subfolders.push_back(uint32_t(listing.entries.size()));
            listing.Add(name.c_str(), 0x10, 0, 0);
        }
    };
}

void ReferenceWalk(const Tree& tree, const std::wstring& folder, std::vector<std::wstring>& order) {
    order.push_back(folder);
    for (const std::wstring& name : tree.at(folder)) ReferenceWalk(tree, folder + name + L"\\", order);
}

// The walk's side: depth-first over the queue's handles, as the scan does it.
std::vector<std::wstring> QueueWalk(PrefetchQueue& queue, const std::wstring& root) {
    struct Frame {
        PrefetchQueue::Folder* folder;
        std::wstring path;
        std::vector<PrefetchQueue::Folder*> subs;
        std::vector<std::wstring> subPaths;
        size_t next = 0;
    };
    std::vector<std::wstring> order;
    auto take = [&](Frame& frame) {
        FolderListing listing;
        while (!queue.TryTake(frame.folder, listing, frame.subs))
            std::this_thread::sleep_for(std::chrono::microseconds(20));
        order.push_back(frame.path);
        for (uint32_t i : listing.subfolders)
            frame.subPaths.push_back(frame.path + listing.Name(listing.entries[i]) + L"\\");
    };
    std::vector<Frame> stack;
    stack.push_back({queue.Start(root), root, {}, {}, 0});
    take(stack.back());
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next == top.subs.size()) {
            queue.Release(top.folder);
            stack.pop_back();
            continue;
        }
        Frame child{top.subs[top.next], top.subPaths[top.next], {}, {}, 0};
        ++top.next;
        take(child);
        stack.push_back(std::move(child));
    }
    return order;
}

TEST(PrefetchQueue, TheWalkSeesEveryFolderInDepthFirstOrderWhateverTheThreadsAndBudget) {
    const Tree tree = MakeTree(4, 4);  // 341 folders
    std::vector<std::wstring> expected;
    ReferenceWalk(tree, L"R\\", expected);
    struct Case {
        int threads;
        size_t budgetBytes, budgetListings;
    } cases[] = {{1, 1, 1},    {2, 1, 1},    {2, size_t(32) << 20, 4096},
                 {4, 4096, 3}, {8, 1, 1000}, {8, size_t(1) << 30, 2}};
    for (const Case& c : cases) {
        for (int repeat = 0; repeat < 3; ++repeat) {
            std::atomic<int> reads{0};
            PrefetchQueue queue(
                TreeReader(tree, &reads),
                {.threads = c.threads, .budgetBytes = c.budgetBytes, .budgetListings = c.budgetListings});
            EXPECT_EQ(QueueWalk(queue, L"R\\"), expected)
                << c.threads << " threads, budget " << c.budgetListings;
            EXPECT_EQ(reads.load(), int(expected.size())) << "each folder is read exactly once";
        }
    }
}

// The walk sleeps until the queue says the listing it waits for is there; a wake-up the queue failed to
// give would leave it asleep.
TEST(PrefetchQueue, TheWalkIsWokenForEveryListingItWaitsFor) {
    const Tree tree = MakeTree(3, 5);  // 364 folders
    std::vector<std::wstring> expected;
    ReferenceWalk(tree, L"R\\", expected);
    for (auto [threads, batch] : {std::pair{1, 1}, {2, 1}, {4, 1}, {1, 16}, {2, 16}, {4, 100000}}) {
        std::mutex mutex;
        std::condition_variable woken;
        int wakeUps = 0;
        PrefetchQueue queue(TreeReader(tree), {.threads = threads,
                                               .budgetListings = 8,
                                               .wakeAfterListings = size_t(batch),
                                               .listingReady = [&] {
                                                   std::lock_guard<std::mutex> lock(mutex);
                                                   ++wakeUps;
                                                   woken.notify_one();
                                               }});
        std::vector<std::wstring> order;
        bool missed = false;
        std::vector<std::pair<PrefetchQueue::Folder*, std::wstring>> pending{{queue.Start(L"R\\"), L"R\\"}};
        while (!pending.empty() && !missed) {
            auto [folder, path] = pending.back();
            pending.pop_back();
            FolderListing listing;
            std::vector<PrefetchQueue::Folder*> subs;
            for (;;) {
                std::unique_lock<std::mutex> lock(mutex);
                const int seen = wakeUps;
                lock.unlock();
                if (queue.TryTake(folder, listing, subs)) break;
                lock.lock();
                if (!woken.wait_for(lock, std::chrono::seconds(5), [&] { return wakeUps != seen; })) {
                    missed = true;
                    break;
                }
            }
            order.push_back(path);
            for (size_t i = subs.size(); i-- > 0;)
                pending.push_back(
                    {subs[i], path + listing.Name(listing.entries[listing.subfolders[i]]) + L"\\"});
        }
        EXPECT_FALSE(missed) << threads << " threads";
        EXPECT_EQ(order, expected);
    }
}

TEST(PrefetchQueue, ReadAheadStaysWithinTheBudgetWhileTheWalkDoesNotTake) {
    const Tree tree = MakeTree(6, 3);  // 259 folders
    struct Case {
        size_t budgetListings;
        int threads;
    } cases[] = {{1, 2}, {5, 2}, {5, 8}, {40, 4}};
    for (const Case& c : cases) {
        std::atomic<int> reads{0};
        PrefetchQueue queue(TreeReader(tree, &reads),
                            {.threads = c.threads, .budgetListings = c.budgetListings});
        PrefetchQueue::Folder* root = queue.Start(L"R\\");
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        // The root is read, then at most the budget's worth more, plus one per worker that started
        // before the budget was full.
        EXPECT_LE(size_t(reads.load()), c.budgetListings + size_t(c.threads));
        EXPECT_GE(size_t(reads.load()), std::min<size_t>(c.budgetListings, 2));
        FolderListing listing;
        std::vector<PrefetchQueue::Folder*> subs;
        while (!queue.TryTake(root, listing, subs)) std::this_thread::yield();
        EXPECT_EQ(subs.size(), 6u);
    }
}

TEST(PrefetchQueue, StopEndsWaitingAndReadingWorkersAndFreesEverything) {
    const Tree tree = MakeTree(8, 3);
    for (int threads : {1, 2, 8}) {
        // Workers blocked on a full budget.
        {
            PrefetchQueue queue(TreeReader(tree), {.threads = threads, .budgetListings = 2});
            queue.Start(L"R\\");
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            queue.Stop();
            queue.Stop();
        }
        // Workers in the middle of a slow read that looks at the stop flag.
        std::atomic<int> started{0};
        PrefetchQueue queue(
            [&](const std::wstring&, FolderListing& listing, const std::atomic<bool>& stop) {
                ++started;
                listing.subfolders.push_back(0);
                listing.Add(L"deeper", 0x10, 0, 0);
                while (!stop) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            },
            {.threads = threads});
        queue.Start(L"R\\");
        while (started == 0) std::this_thread::yield();
        auto before = std::chrono::steady_clock::now();
        queue.Stop();
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
    }
}

TEST(PrefetchQueue, AWalkAbandonedHalfwayFreesItsListingsWithTheQueue) {
    const Tree tree = MakeTree(5, 3);
    PrefetchQueue queue(TreeReader(tree), {.threads = 4});
    PrefetchQueue::Folder* root = queue.Start(L"R\\");
    FolderListing listing;
    std::vector<PrefetchQueue::Folder*> subs;
    while (!queue.TryTake(root, listing, subs)) std::this_thread::yield();
    while (!queue.TryTake(subs[0], listing, subs)) std::this_thread::yield();
    // Nothing is released: the queue's destructor stops the workers and frees what is left (the
    // sanitizers report a leak or a race otherwise).
}

TEST(PrefetchQueue, AnUnreadableFolderIsAnEmptyListingAndTheWalkGoesOn) {
    Tree tree = MakeTree(3, 2);
    tree.erase(L"R\\b0_1\\");  // the reader finds nothing there
    PrefetchQueue queue(
        [&tree](const std::wstring& folder, FolderListing& listing, const std::atomic<bool>& stop) {
            if (folder == L"R\\b0_1\\") return;
            TreeReader(tree)(folder, listing, stop);
        },
        {.threads = 2});
    std::vector<std::wstring> order = QueueWalk(queue, L"R\\");
    std::vector<std::wstring> expected{
        L"R\\",       L"R\\a0_0\\", L"R\\a0_0\\a1_0\\", L"R\\a0_0\\b1_1\\", L"R\\a0_0\\a1_2\\",
        L"R\\b0_1\\", L"R\\a0_2\\", L"R\\a0_2\\a1_0\\", L"R\\a0_2\\b1_1\\", L"R\\a0_2\\a1_2\\"};
    EXPECT_EQ(order, expected);
}

}  // namespace
