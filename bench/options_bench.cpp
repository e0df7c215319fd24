// Start-up with a large Config.ini: the time from creating the main window to its answering a message,
// with 5,000 and with 50,000 include filters, so that the growth shows as well as the figure.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <string>

#include "app/form_main.h"
#include "platform/app_paths.h"
#include "platform/text.h"
#include "bench_clock.h"

namespace {
void WriteConfig(int filters) {
    std::string bytes = "[Drive]\r\nGeneral=101010\r\nInclude Filters=";
    for (int i = 0; i < filters; ++i)
        bytes += "*.k" + std::to_string(i) + "|)(|Filter " + std::to_string(i) + "|)(|" +
                 (i % 3 ? "1" : "0") + "|)E(|";
    bytes += "\r\n";
    HANDLE h = CreateFileW(Widen(ExeFolder() + "Config.ini").c_str(), GENERIC_WRITE, 0, nullptr,
                           CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

// Creates and shows the main window, then waits for its answer.
double StartUp(int& rows) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    TFormMain form;
    form.FormCreate();
    ShowWindow(form.hwnd, SW_SHOW);
    form.FormShow();
    SendMessageW(form.hwnd, WM_NULL, 0, 0);
    QueryPerformanceCounter(&end);
    rows = form.optionsPage.ListViewFilterI.Count();
    DestroyWindow(form.hwnd);
    return Seconds(start, end);
}
}  // namespace

int wmain() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
    for (int filters : {5000, 50000}) {
        WriteConfig(filters);
        int rows = 0;
        const double seconds = StartUp(rows);
        std::printf("options_load_%dk_rows: %d\noptions_load_%dk_s: %.3f\n", filters / 1000, rows,
                    filters / 1000, seconds);
    }
    DeleteFileW(Widen(ExeFolder() + "Config.ini").c_str());
    OleUninitialize();
    return 0;
}
