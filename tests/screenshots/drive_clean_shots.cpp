#include "app/form_main.h"
#include "platform/text.h"
#include "scan/form_delete_report.h"
#include "settings/list_rows.h"
#include "shared/all_var.h"
#include "shots.h"

namespace {
void MakeFile(const std::wstring& path, int bytes) {
    HANDLE h =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string content(bytes, 'x');
    DWORD written = 0;
    WriteFile(h, content.data(), DWORD(content.size()), &written, nullptr);
    CloseHandle(h);
}

void TickOnly(ListView& drives, const std::string& drive) {
    for (int row = 0; row < drives.Count(); ++row)
        drives.SetMark(row, drives.Cell(row, 0).find("(" + drive + ")") != std::string::npos ? kMarkTicked
                                                                                             : kMarkUnticked);
}
}  // namespace

SCREENSHOT(drive_list) {
    TFormMain form;
    form.FormCreate();
    ShowWindow(form.hwnd, SW_SHOW);
    form.FormShow();
    form.drivePage.ListViewDrive.SetMark(1, kMarkUnticked);
    Capture(form.hwnd, "drive_list");
    DestroyWindow(form.hwnd);
    Pump(50);
}

namespace {
// The demo files on D:, scanned with the page's usual filters and sorted by size, largest first.
void ScanDemoFiles(TFormMain& form) {
    CreateDirectoryW(L"D:\\Temp", nullptr);
    CreateDirectoryW(L"D:\\Documents", nullptr);
    MakeFile(L"D:\\setup.tmp", 5300);
    MakeFile(L"D:\\~WRL0001.tmp", 120);
    MakeFile(L"D:\\Documents\\report.bak", 48000);
    MakeFile(L"D:\\Documents\\~$report.doc", 162);
    MakeFile(L"D:\\Temp\\临时文件.tmp", 2100000);
    MakeFile(L"D:\\Temp\\install.log.old", 900);
    form.FormCreate();
    ShowWindow(form.hwnd, SW_SHOW);
    form.FormShow();
    TickOnly(form.drivePage.ListViewDrive, "D:");
    for (const char* mask : {"*.tmp", "*.bak", "*.old", "~*.*"})
        AddFilterRow(form.optionsPage.ListViewFilterI, mask, "", true);
    form.optionsPage.gCheckRead.SetChecked(true);
    form.optionsPage.gCheckHide.SetChecked(true);
    form.resultsPage.suiButtonScanClick();
    form.resultsPage.ListViewScanColumnClick(3);
    form.resultsPage.ListViewScanColumnClick(3);
}
}  // namespace

SCREENSHOT(scan_results) {
    TFormMain form;
    ScanDemoFiles(form);
    RECT r{};
    r.left = LVIR_BOUNDS;
    ListView_GetItemRect(form.resultsPage.ListViewScan.hwnd, 2, &r, LVIR_BOUNDS);
    const ListView& list = form.resultsPage.ListViewScan;  // the mouse hooks speak logical pixels
    form.resultsPage.ListViewScanMouseDown(kLeftButton, list.Logical(r.left) + 8, list.Logical(r.top) + 6);
    Capture(form.hwnd, "scan_results");
    form.resultsPage.suiPanelDeling.Show(true);
    form.resultsPage.ShowDeleteProgress(1024, 2886);
    Capture(form.hwnd, "scan_deleting");
    DestroyWindow(form.hwnd);
    Pump(50);
}

SCREENSHOT(delete_report) {
    TFormMain form;
    form.FormCreate();
    ShowWindow(form.hwnd, SW_SHOW);
    form.FormShow();
    DeletionOutcome outcome{.deleted = 2876, .bytesFreed = 48213504};
    outcome.left = {
        {L"D:\\Temp\\", L"install.log.old", LeftReason::kInUse},
        {L"D:\\Documents\\", L"~$report.doc", LeftReason::kAccessDenied},
        {L"D:\\Temp\\", L"setup.tmp", LeftReason::kChanged},
        {L"D:\\", L"notes.txt ", LeftReason::kRecycleName},
        {L"D:\\Archive\\2019\\Projects\\", L"临时文件.tmp", LeftReason::kRecyclePathTooLong},
        {L"D:\\Temp\\", L"crash.dmp", LeftReason::kSystem, ERROR_DISK_FULL},
    };
    TformDeleteReport report;
    report.FormCreate(form.hwnd, outcome);
    RunLater(100, [&] {
        Capture(report.hwnd, "delete_report");
        report.suiButtonCloseClick();
    });
    report.ShowModal();
    DestroyWindow(form.hwnd);
    Pump(50);
}

SCREENSHOT(results_context_menu) {
    TFormMain form;
    ScanDemoFiles(form);
    ListView& list = form.resultsPage.ListViewScan;
    for (int row : {1, 2}) ListView_SetItemState(list.hwnd, row, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(list.hwnd, 2, LVIS_FOCUSED, LVIS_FOCUSED);
    SetFocus(list.hwnd);
    RECT r{};
    ListView_GetSubItemRect(list.hwnd, 2, 1, LVIR_BOUNDS, &r);
    POINT at{r.left + 40, r.top + 8};
    ClientToScreen(list.hwnd, &at);
    RunLater(400, [&] {
        Capture(form.hwnd, "results_context_menu");
        EndMenu();
    });
    form.resultsPage.ListViewScanContextPopup(2, at.x, at.y);
    DestroyWindow(form.hwnd);
    Pump(50);
}
