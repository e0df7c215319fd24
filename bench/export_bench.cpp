// The results list's export: a million rows, one in ten with a CJK name and one in fifty with a comma,
// in 20,000 folders, written as CSV the way the Export entry writes them. Prints "name: value" lines.
#include <windows.h>

#include <cstdio>
#include <string>

#include "scan/scan_export.h"
#include "scan/scan_rows.h"
#include "bench_clock.h"

namespace {
constexpr int kRows = 1000000;
constexpr int kFolders = 20000;

ScanRows MillionRows() {
    ScanRows rows;
    rows.folders.reserve(kFolders);
    for (int f = 0; f < kFolders; ++f)
        rows.folders.push_back(L"C:\\Users\\bench\\AppData\\Local\\Temp\\project" + std::to_wstring(f / 100) +
                               L"\\build" + std::to_wstring(f) + L"\\");
    rows.rows.reserve(kRows);
    for (int i = 0; i < kRows; ++i) {
        std::wstring name = i % 10 == 0   ? L"临时文件" + std::to_wstring(i) + L".tmp"
                            : i % 50 == 1 ? L"copy, of " + std::to_wstring(i) + L".bak"
                                          : L"file" + std::to_wstring(i) + L".tmp";
        rows.rows.push_back({std::move(name), uint32_t(i % kFolders), i % 3 != 0, 0, int64_t(i) * 4099, 0});
    }
    return rows;
}

}  // namespace

int wmain() {
    const ScanRows rows = MillionRows();
    const std::wstring path = L"C:\\bench\\export.csv";
    LARGE_INTEGER a, b;
    DWORD error = 0;
    QueryPerformanceCounter(&a);
    const bool written = WriteScanExport(rows, path, error);
    QueryPerformanceCounter(&b);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    DeleteFileW(path.c_str());
    if (!written) {
        std::printf("export failed: %s\n", SystemErrorText(error).c_str());
        return 1;
    }
    std::printf("export_rows: %d\n", kRows);
    std::printf("export_bytes: %llu\n", (unsigned long long)data.nFileSizeHigh << 32 | data.nFileSizeLow);
    std::printf("export_1m_rows_s: %.3f\n", Seconds(a, b));
    return 0;
}
