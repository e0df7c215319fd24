// Scan benchmarks over the tree that scan_bench_setup.sh puts on D:\tree, and the results list at a
// million rows. Every figure is printed as "name: value".
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/form_main.h"
#include "platform/filesystem.h"
#include "scan/scan_engine.h"
#include "settings/core/default_lists.h"
#include "settings/list_rows.h"
#include "shared/all_var.h"

namespace {
const std::wstring kTree = L"D:\\tree\\";
constexpr int kRepeats = 3;
int kRows = 1000000;

double Seconds(const std::function<void()>& fn) {
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&a);
    fn();
    QueryPerformanceCounter(&b);
    return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

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

void UseDefaultLists() {
    ExcludePathList = DefaultExcludePaths();
    IncludeMaskList.clear();
    ExcludeMaskList.clear();
    for (const FilterEntry& f : DefaultIncludeFilters()) {
        if (f.ticked) IncludeMaskList.push_back(f.mask);
    }
    for (const FilterEntry& f : DefaultExcludeFilters()) {
        if (f.ticked) ExcludeMaskList.push_back(f.mask);
    }
    ScanOptionFlags = "10101";
}

void FillDefaultPage(TFormMain& form) {
    for (int row = 0; row < form.drivePage.ListViewDrive.Count(); ++row)
        form.drivePage.ListViewDrive.SetMark(
            row, form.drivePage.ListViewDrive.Cell(row, 0).find("(D:)") != std::string::npos ? kMarkTicked
                                                                                             : kMarkUnticked);
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
    UseDefaultLists();
    long found = 0;
    ScanCallbacks count{.addFoundFile = [&](const FoundFile&, const std::wstring&) { ++found; }};
    FillDefaultPage(form);
    // The three walks take turns, so that a drift of the machine's load touches all of them alike.
    std::vector<double> floors, engines, guis;
    for (int i = 0; i < kRepeats; ++i) {
        floors.push_back(Seconds([&] {
            long n = 0;
            BareWalk(kTree, n);
        }));
        engines.push_back(Seconds([&] {
            found = 0;
            ScanState = Scanning;
            ScanFolder(kTree, count);
            ScanState = Idle;
        }));
        guis.push_back(Seconds([&] { form.resultsPage.suiButtonScanClick(); }));
    }
    double floor = Median(floors), engine = Median(engines), gui = Median(guis);
    std::printf("scan_matches: %ld\n", found);
    std::printf("gui_rows: %d\n", ListView_GetItemCount(form.resultsPage.ListViewScan.hwnd));
    std::printf("floor_walk_s: %.3f\nscan_engine_s: %.3f\nscan_gui_s: %.3f\n", floor, engine, gui);
    std::printf("scan_ratio_engine: %.3f\nscan_ratio_gui: %.3f\n", engine / floor, gui / floor);
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
    RowBenchmarks(form);
    DestroyWindow(form.hwnd);
    OleUninitialize();
    return 0;
}
