#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/text.h"
#include "scan/core/match_mask.h"
#include "scan/scan_engine.h"
#include "scan_fixture.h"
#include "shared/all_var.h"

// The scan's walk done the plain way, for comparison: one folder at a time on the calling thread, all
// files of a folder in enumeration order before its subfolders, links neither entered nor listed,
// excluded folders skipped. It reads the same shared lists as the scan.
inline void ReferenceScanFolder(const std::wstring& folder, std::vector<ResultRow>& rows) {
    WIN32_FIND_DATAW e;
    HANDLE find = OpenFolderEnumeration(folder, e);
    if (find == INVALID_HANDLE_VALUE) return;
    std::vector<std::wstring> subfolders;
    do {
        if (IsReparsePoint(e.dwFileAttributes)) continue;
        const std::string name = Narrow(e.cFileName);
        if (IsSubfolder(e)) {
            if (!IsExcludedPath(Narrow(folder) + name)) subfolders.push_back(folder + e.cFileName + L"\\");
            continue;
        }
        if (IsDotName(name) || IsExcludedName(name)) continue;
        const DWORD a = e.dwFileAttributes;
        if (IsSkippedByAttributes(a & FILE_ATTRIBUTE_READONLY, a & FILE_ATTRIBUTE_SYSTEM,
                                  a & FILE_ATTRIBUTE_HIDDEN, ScanOptionFlags))
            continue;
        const bool zeroListed = ScanOptionFlags.size() > 3 && ScanOptionFlags[3] == '1' && EntrySize(e) == 0;
        if (IsIncludedName(name) || zeroListed)
            rows.push_back({name, Narrow(folder), std::to_string(EntrySize(e)), kMarkTicked});
    } while (FindNextFileW(find, &e));
    FindClose(find);
    for (const std::wstring& sub : subfolders) ReferenceScanFolder(sub, rows);
}

inline std::vector<ResultRow> ReferenceScan(const std::vector<std::string>& drives) {
    std::vector<ResultRow> rows;
    for (const std::string& drive : drives) ReferenceScanFolder(Widen(drive + "\\"), rows);
    return rows;
}
