// Scan benchmarks over the tree that scan_bench_setup.sh puts on D:\tree, and the results list at a
// million rows. Every figure is printed as "name: value".
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/form_main.h"
#include "pump_gaps.h"
#include "platform/filesystem.h"
#include "scan/core/prefetch_queue.h"
#include "scan/folder_reader.h"
#include "scan/scan_engine.h"
#include "settings/core/default_lists.h"
#include "settings/list_rows.h"
#include "shared/all_var.h"
#include "bench_clock.h"

namespace {
const std::wstring kTree = L"D:\\tree\\";
constexpr int kRepeats = 3;
int kRows = 1000000;

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The floor: a bare depth-first FindFirstFileExW walk, one handle at a time, links not entered.
void BareWalk(const std::wstring& folder, long& entries) {
    std::vector<std::wstring> subfolders;
    WIN32_FIND_DATAW e;
    HANDLE h = OpenFolderEnumeration(folder, e);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        ++entries;
        if (IsSubfolder(e) && !IsReparsePoint(e.dwFileAttributes)) subfolders.emplace_back(e.cFileName);
    } while (FindNextFileW(h, &e));
    FindClose(h);
    for (const std::wstring& s : subfolders) BareWalk(folder + s + L"\\", entries);
}

// The bare walk shared by the prefetch threads: they read every folder's listing ahead, and the
// calling thread only takes them in depth-first order.
void SharedBareWalk(const std::wstring& root, int threads) {
    HANDLE ready = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    PrefetchQueue queue([](const std::wstring& folder, FolderListing& listing,
                           const std::atomic<bool>& stop) { ReadFolderListing(folder, {}, listing, stop); },
                        {.threads = threads, .listingReady = [ready] { SetEvent(ready); }});
    std::vector<PrefetchQueue::Folder*> pending{queue.Start(root)};
    while (!pending.empty()) {
        PrefetchQueue::Folder* folder = pending.back();
        pending.pop_back();
        FolderListing listing;
        std::vector<PrefetchQueue::Folder*> subfolders;
        while (!queue.TryTake(folder, listing, subfolders)) WaitForSingleObject(ready, 20);
        pending.insert(pending.end(), subfolders.rbegin(), subfolders.rend());
    }
    queue.Stop();
    CloseHandle(ready);
}

// Measures, from another thread, how long the window takes to answer: a WM_NULL sent every
// millisecond waits until the GUI thread next lets messages run.
class AnswerWatch {
  public:
    explicit AnswerWatch(HWND window)
        : thread_([this, window] {
              LARGE_INTEGER f, a, b;
              QueryPerformanceFrequency(&f);
              while (!done_) {
                  QueryPerformanceCounter(&a);
                  DWORD_PTR result;
                  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
                  QueryPerformanceCounter(&b);
                  longest_ =
                      std::max(longest_.load(), double(b.QuadPart - a.QuadPart) * 1000 / double(f.QuadPart));
                  Sleep(1);
              }
              finished_ = true;
          }) {}
    // The last message sent may still wait for an answer: messages run until the watch has ended.
    double Stop() {
        done_ = true;
        while (!finished_) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
            Sleep(1);
        }
        thread_.join();
        return longest_;
    }

  private:
    std::atomic<bool> done_{false}, finished_{false};
    std::atomic<double> longest_{0};
    std::thread thread_;
};

size_t WorkingSet();

// Samples the working set while the scan runs, for its peak.
class PeakWorkingSet {
  public:
    PeakWorkingSet()
        : thread_([this] {
              while (!done_) {
                  peak_ = std::max(peak_.load(), WorkingSet());
                  Sleep(2);
              }
          }) {}
    size_t Stop() {
        done_ = true;
        thread_.join();
        return std::max(peak_.load(), WorkingSet());
    }

  private:
    std::atomic<bool> done_{false};
    std::atomic<size_t> peak_{0};
    std::thread thread_;
};

// What the rows themselves take: their vector, the names that do not fit in place, the sort keys and
// the shared locations.
size_t RowsBytes(const ScanRows& kept) {
    size_t bytes = kept.rows.capacity() * sizeof(ScanRow) + kept.nameKeys.capacity() + 16 * kept.rows.size();
    for (const ScanRow& r : kept.rows)
        if (r.name.capacity() > 7) bytes += (r.name.capacity() + 1) * sizeof(wchar_t);
    for (const std::wstring& f : kept.folders) bytes += sizeof(f) + (f.capacity() + 1) * sizeof(wchar_t);
    return bytes;
}

// The default lists and options, read-only and hidden files listed, as the engine's walk takes them.
ScanSettings DefaultScanSettings() {
    ScanSettings settings{.excludePaths = DefaultExcludePaths(),
                          .general = {.read = true, .hide = true, .recycle = true}};
    for (const FilterEntry& f : DefaultIncludeFilters()) {
        if (f.ticked) settings.includeMasks.push_back(f.mask);
    }
    for (const FilterEntry& f : DefaultExcludeFilters()) {
        if (f.ticked) settings.excludeMasks.push_back(f.mask);
    }
    return settings;
}

unsigned long CoreCount() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors;
}

void TickDrives(TFormMain& form, const std::vector<std::string>& drives) {
    ListView& list = form.drivePage.ListViewDrive;
    for (int row = 0; row < list.Count(); ++row) {
        bool ticked = false;
        for (const std::string& d : drives) ticked |= list.Cell(row, 0).find(d) != std::string::npos;
        list.SetMark(row, ticked ? kMarkTicked : kMarkUnticked);
    }
}

void FillDefaultPage(TFormMain& form) {
    TickDrives(form, {"(D:)"});
    for (const std::string& p : DefaultExcludePaths()) AddPathRow(form.optionsPage.ListViewExcludePath, p);
    for (const FilterEntry& f : DefaultIncludeFilters())
        AddFilterRow(form.optionsPage.ListViewFilterI, f.mask, f.description, f.ticked);
    for (const FilterEntry& f : DefaultExcludeFilters())
        AddFilterRow(form.optionsPage.ListViewFilterE, f.mask, f.description, f.ticked);
    form.optionsPage.gCheckRead.SetChecked(true);
    form.optionsPage.gCheckHide.SetChecked(true);
    form.optionsPage.gRadioRecycle.SetChecked(true);
}

size_t WorkingSet() {
    PROCESS_MEMORY_COUNTERS c{sizeof(c)};
    GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof(c));
    return c.WorkingSetSize;
}

void ScanBenchmarks(TFormMain& form) {
    long entries = 0;
    BareWalk(kTree, entries);  // warms the file cache
    std::printf("tree_entries: %ld\n", entries);
    const ScanSettings settings = DefaultScanSettings();
    long found = 0;
    ScanCallbacks count{.addFoundFile = [&](const FoundFile&, const std::wstring&) { ++found; }};
    FillDefaultPage(form);
    // The three walks take turns, so that a drift of the machine's load touches all of them alike.
    std::vector<double> floors, sharedFloors, engines, guis;
    for (int i = 0; i < kRepeats; ++i) {
        floors.push_back(Seconds([&] {
            long n = 0;
            BareWalk(kTree, n);
        }));
        sharedFloors.push_back(Seconds([&] { SharedBareWalk(kTree, PrefetchThreads()); }));
        engines.push_back(Seconds([&] {
            found = 0;
            ScanFolder(kTree, settings, count);
        }));
        guis.push_back(Seconds([&] { form.resultsPage.suiButtonScanClick(); }));
    }
    double floor = Median(floors), sharedFloor = Median(sharedFloors), engine = Median(engines),
           gui = Median(guis);
    std::printf("scan_matches: %ld\n", found);
    std::printf("gui_rows: %d\n", form.resultsPage.ListViewScan.Count());
    std::printf("floor_walk_s: %.3f\nscan_engine_s: %.3f\nscan_gui_s: %.3f\n", floor, engine, gui);
    std::printf("cores: %lu\nprefetch_threads: %d\n", CoreCount(), PrefetchThreads());
    std::printf("scan_ratio_engine: %.3f\nscan_ratio_gui: %.3f\n", engine / floor, gui / floor);
    std::printf("scan_ratio_parallel_floor: %.3f\n", sharedFloor / floor);
}

// The window during a scan of the tree and of W:, which holds one folder of 100,000 files: the longest
// wait for an answer, and the memory that the read-ahead adds to the rows' own.
void AnswerBenchmarks(TFormMain& form) {
    TickDrives(form, {"(D:)", "(W:)"});
    form.resultsPage.scanRows.Clear();
    form.resultsPage.RefreshScanView();
    const size_t before = WorkingSet();
    PeakWorkingSet peak;
    AnswerWatch watch(form.hwnd);
    pump_gaps::Start();
    form.resultsPage.suiButtonScanClick();
    const double longestBetweenPumps = pump_gaps::Stop();
    const double longest = watch.Stop();
    const size_t peakBytes = peak.Stop();
    const size_t rows = RowsBytes(form.resultsPage.scanRows);
    std::printf("answer_scan_rows: %zu\n", form.resultsPage.scanRows.rows.size());
    std::printf("scan_max_gap_ms: %.1f\n", longest);
    std::printf("scan_walk_max_gap_ms: %.1f\n", longestBetweenPumps);
    std::printf("scan_rows_mib: %.1f\n", rows / 1048576.0);
    std::printf("scan_working_set_growth_mib: %.1f\n", (peakBytes - before) / 1048576.0);
    std::printf("scan_prefetch_peak_mib: %.1f\n",
                (peakBytes > before + rows ? peakBytes - before - rows : 0) / 1048576.0);
    std::printf("scan_prefetch_listings_peak_mib: %.1f\n", LastPrefetchPeakBytes() / 1048576.0);
    TickDrives(form, {"(D:)"});
}

void RowBenchmarks(TFormMain& form) {
    form.resultsPage.scanRows.Clear();
    form.resultsPage.ListViewScan.Show(true);
    ScanState = Scanning;
    wchar_t name[MAX_PATH];
    const wchar_t* stems[] = {L"setup", L"~WRL", L"Report", L"crash", L"\x4E34\x65F6", L"caf\xE9"};
    size_t before = WorkingSet();
    double fill = Seconds([&] {
        std::wstring folder;
        for (int i = 0; i < kRows; ++i) {
            if (i % 10 == 0)
                folder =
                    L"D:\\tree\\top" + std::to_wstring(i % 977) + L"\\sub" + std::to_wstring(i / 10) + L"\\";
            swprintf(name, MAX_PATH, L"%ls%07d.tmp", stems[i % 6], (i * 7919) % kRows);
            form.resultsPage.AddFoundFile({name, int64_t((i * 2654435761u) % 5000000), 0}, folder);
        }
        ScanState = Idle;
        form.resultsPage.RefreshScanView();  // as at the scan's end
    });
    size_t after = WorkingSet();
    std::printf("rows_fill_s: %.3f\n", fill);
    std::printf("rows_bytes_per_row: %.1f\n", double(after - before) / kRows);
    double worst = 0;
    for (int column : {0, 1, 2, 3, 1}) {
        double s = Seconds([&] { form.resultsPage.ListViewScanColumnClick(column); });
        std::printf("rows_sort_column%d_s: %.3f\n", column, s);
        worst = std::max(worst, s);
    }
    std::printf("rows_sort_s: %.3f\n", worst);
}
}  // namespace

int wmain() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
    TFormMain form;
    form.FormCreate();
    ShowWindow(form.hwnd, SW_SHOW);
    form.FormShow();
    wchar_t rows[32] = {};
    if (GetEnvironmentVariableW(L"SCAN_BENCH_ROWS", rows, 32)) kRows = _wtoi(rows);
    double status = Seconds([&] {
        for (int i = 0; i < 2000; ++i)
            form.resultsPage.LabelStatus.SetText("Scaning: D:\\tree\\" + std::to_string(i));
    });
    std::printf("status_label_update_us: %.1f\n", status / 2000 * 1e6);
    ScanBenchmarks(form);
    AnswerBenchmarks(form);
    RowBenchmarks(form);
    DestroyWindow(form.hwnd);
    OleUninitialize();
    return 0;
}
