// Deletion benchmarks over the four like trees that delete_bench_setup.sh puts on L: to O:. The program
// deletes through its real window, after a real scan; each figure is printed as "name: value".
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/form_main.h"
#include "pump_gaps.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/shell.h"
#include "scan/file_deletion.h"
#include "scan/scan_engine.h"
#include "settings/core/default_lists.h"
#include "settings/list_rows.h"
#include "shared/all_var.h"
#include "bench_clock.h"

namespace {
void ListFiles(const std::wstring& folder, std::vector<std::wstring>& files) {
    WIN32_FIND_DATAW e;
    HANDLE h = OpenFolderEnumeration(folder, e);
    if (h == INVALID_HANDLE_VALUE) return;
    std::vector<std::wstring> subfolders;
    do {
        if (IsSubfolder(e))
            subfolders.push_back(folder + e.cFileName + L"\\");
        else if (!(e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files.push_back(folder + e.cFileName);
    } while (FindNextFileW(h, &e));
    FindClose(h);
    for (const std::wstring& s : subfolders) ListFiles(s, files);
}

size_t CountFiles(const std::wstring& root) {
    std::vector<std::wstring> files;
    ListFiles(root, files);
    return files.size();
}

void FillDefaultPage(TFormMain& form) {
    for (const FilterEntry& f : DefaultIncludeFilters())
        AddFilterRow(form.optionsPage.ListViewFilterI, f.mask, f.description, f.ticked);
    for (const FilterEntry& f : DefaultExcludeFilters())
        AddFilterRow(form.optionsPage.ListViewFilterE, f.mask, f.description, f.ticked);
    form.optionsPage.gCheckRead.SetChecked(true);
    form.optionsPage.gCheckHide.SetChecked(true);
}

// Scans one drive through the window and times its Delete button.
double ProgramDelete(TFormMain& form, const std::string& drive, bool toRecycleBin, size_t& rows,
                     const std::function<void()>& beforeDelete = nullptr) {
    for (int row = 0; row < form.drivePage.ListViewDrive.Count(); ++row)
        form.drivePage.ListViewDrive.SetMark(
            row, form.drivePage.ListViewDrive.Cell(row, 0).find("(" + drive + ")") != std::string::npos
                     ? kMarkTicked
                     : kMarkUnticked);
    form.optionsPage.gRadioRecycle.SetChecked(toRecycleBin);
    form.optionsPage.gRadioPermanently.SetChecked(!toRecycleBin);
    form.resultsPage.suiButtonScanClick();
    rows = form.resultsPage.scanRows.rows.size();
    if (beforeDelete) beforeDelete();
    return Seconds([&] { form.resultsPage.suiButtonDeleteClick(); });
}

// The longest time between two message pumps while the program deletes every file of a drive.
double LongestGap(TFormMain& form, const std::string& drive, bool toRecycleBin, size_t& rows) {
    ProgramDelete(form, drive, toRecycleBin, rows, [] { pump_gaps::Start(); });
    return pump_gaps::Stop();
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
    FillDefaultPage(form);
    SetDialogScript({.messageBox = [](const MessageBoxCall&) { return IDOK; }});

    std::vector<std::wstring> bare;
    ListFiles(L"M:\\", bare);
    size_t rows = 0;
    const double program = ProgramDelete(form, "L:", false, rows);
    const double floor = Seconds([&] {
        for (const std::wstring& path : bare) DeleteFileW(ExtendedLengthPath(path).c_str());
    });
    std::printf("delete_files: %zu\n", rows);
    std::printf("delete_left_permanent: %zu\n", CountFiles(L"L:\\") + CountFiles(L"M:\\"));
    std::printf("delete_permanent_s: %.3f\ndelete_bare_s: %.3f\n", program, floor);
    std::printf("delete_ratio_permanent: %.3f\n", program / floor);

    std::vector<std::wstring> shellFiles;
    ListFiles(L"O:\\", shellFiles);
    std::wstring list;
    for (const std::wstring& path : shellFiles) list += path + L'\0';
    list += L'\0';
    const double recycle = ProgramDelete(form, "N:", true, rows);
    const double shell = Seconds([&] { ShellDeleteFiles(list, true); });
    std::printf("delete_files_recycle: %zu\n", rows);
    std::printf("delete_left_recycle: %zu\n", CountFiles(L"N:\\") + CountFiles(L"O:\\"));
    std::printf("delete_recycle_s: %.3f\ndelete_shell_s: %.3f\n", recycle, shell);
    std::printf("delete_ratio_recycle: %.3f\n", recycle / shell);

    SYSTEM_INFO system;
    GetSystemInfo(&system);
    std::printf("cores: %lu\ndeletion_threads: %u\n", system.dwNumberOfProcessors, DeletionThreads());
    // The scan's own pumps are not timed: the hook is set around the Delete button only.
    form.resultsPage.deleteViewInterval = 100;
    const double gapPermanent = LongestGap(form, "P:", false, rows);
    std::printf("delete_gap_files: %zu\ndelete_gap_left_permanent: %zu\n", rows, CountFiles(L"P:\\"));
    std::printf("delete_max_gap_ms_permanent: %.1f\n", gapPermanent);
    const double gapRecycle = LongestGap(form, "Q:", true, rows);
    std::printf("delete_gap_left_recycle: %zu\n", CountFiles(L"Q:\\"));
    std::printf("delete_max_gap_ms_recycle: %.1f\n", gapRecycle);
    std::printf("delete_max_gap_ms: %.1f\n", std::max(gapPermanent, gapRecycle));

    SetDialogScript({});
    DestroyWindow(form.hwnd);
    OleUninitialize();
    return 0;
}
