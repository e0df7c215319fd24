#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/text.h"
#include "scan/core/match_mask.h"
#include "scan/scan_engine.h"
#include "scan_fixture.h"

// The scan's walk done the plain way, for comparison: one folder at a time on the calling thread, all
// files of a folder in enumeration order before its subfolders, links neither entered nor listed,
// excluded folders skipped. It matches by the same settings as the scan.
inline void ReferenceScanFolder(const std::wstring& folder, const ScanSettings& settings,
                                std::vector<ResultRow>& rows) {
    WIN32_FIND_DATAW e;
    HANDLE find = OpenFolderEnumeration(folder, e);
    if (find == INVALID_HANDLE_VALUE) return;
    std::vector<std::wstring> subfolders;
    do {
        if (IsReparsePoint(e.dwFileAttributes)) continue;
        const std::string name = Narrow(e.cFileName);
        if (IsSubfolder(e)) {
            if (!MatchesAnyMask(Narrow(folder) + name, settings.excludePaths))
                subfolders.push_back(folder + e.cFileName + L"\\");
            continue;
        }
        if (IsDotName(name) || MatchesAnyMask(name, settings.excludeMasks)) continue;
        const DWORD a = e.dwFileAttributes;
        if (IsSkippedByAttributes(a & FILE_ATTRIBUTE_READONLY, a & FILE_ATTRIBUTE_SYSTEM,
                                  a & FILE_ATTRIBUTE_HIDDEN, settings.general))
            continue;
        const bool zeroListed = settings.general.zero && EntrySize(e) == 0;
        if (MatchesAnyMask(name, settings.includeMasks) || zeroListed)
            rows.push_back({name, Narrow(folder), std::to_string(EntrySize(e)), kMarkTicked});
    } while (FindNextFileW(find, &e));
    FindClose(find);
    for (const std::wstring& sub : subfolders) ReferenceScanFolder(sub, settings, rows);
}

inline std::vector<ResultRow> ReferenceScan(const ScanSettings& settings) {
    std::vector<ResultRow> rows;
    for (const std::string& drive : settings.drives) ReferenceScanFolder(Widen(drive + "\\"), settings, rows);
    return rows;
}
