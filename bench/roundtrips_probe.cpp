// A throw-away probe, not shipped and not one of `make bench`'s figures: where a permanent deletion's time
// goes under Wine, against a bare DeleteFileW loop. tools/roundtrips.sh makes the files, runs this once
// with the wine server's trace on (each phase between two marker events, so that the trace lines of a
// phase can be counted per file) and once without it for the times.
//
// usage: roundtrips_probe FOLDER_COUNT   (C:\probe\<phase>\dNNNN\ hold ten files each)
#include <windows.h>
#include <winternl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "platform/exact_names.h"
#include "platform/filesystem.h"
#include "scan/file_deletion.h"

namespace {
constexpr int kFilesPerFolder = 10;

struct Phase {
    const char* name;
    std::function<void(const std::vector<DeletionTarget>&)> run;
};

std::vector<DeletionTarget> Targets(const std::wstring& root, int folders) {
    std::vector<DeletionTarget> targets;
    for (int d = 0; d < folders; ++d) {
        wchar_t folder[64];
        swprintf(folder, 64, L"%ls\\d%04d\\", root.c_str(), d);
        ForEachFolderEntry(folder, [&](const WIN32_FIND_DATAW& e) {
            if (e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return;
            targets.push_back({folder, e.cFileName, {EntrySize(e), FileTimeValue(e.ftLastWriteTime)}});
        });
    }
    return targets;
}

// A marker the trace shows by name: open_event( ... name=L"probe-...") between the phases.
void Mark(const std::string& what) {
    const std::wstring name(what.begin(), what.end());
    HANDLE h = OpenEventW(SYNCHRONIZE, FALSE, name.c_str());
    if (h) CloseHandle(h);
}

using QueryFile = LONG(NTAPI*)(HANDLE, IO_STATUS_BLOCK*, void*, ULONG, int);
QueryFile NtQuery() {
    static const auto query = reinterpret_cast<QueryFile>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
    return query;
}

// The steps of the program's per-file path, each on its own.
void Open(const DeletionTarget& t, HANDLE& h) {
    h = OpenEntry(t.Path(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES);
}
void Basic(HANDLE h) {
    FILE_BASIC_INFO basic{};
    GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic);
}
void Standard(HANDLE h) {
    FILE_STANDARD_INFO standard{};
    GetFileInformationByHandleEx(h, FileStandardInfo, &standard, sizeof standard);
}
void AllInfo(HANDLE h) {
    alignas(8) char buffer[sizeof(FILE_BASIC_INFO) + sizeof(FILE_STANDARD_INFO) + 1024];
    IO_STATUS_BLOCK io{};
    NtQuery()(h, &io, buffer, sizeof buffer, 18 /* FileAllInformation */);
}
void NetworkOpen(HANDLE h) {
    alignas(8) char buffer[56];  // FILE_NETWORK_OPEN_INFORMATION
    IO_STATUS_BLOCK io{};
    NtQuery()(h, &io, buffer, sizeof buffer, 34 /* FileNetworkOpenInformation */);
}
void Dispose(HANDLE h) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    SetFileInformationByHandle(h, FileDispositionInfo, &disposition, sizeof disposition);
}
void ListOnce(const std::vector<DeletionTarget>& targets) {
    std::wstring last;
    for (const DeletionTarget& t : targets) {
        if (t.folder == last) continue;
        last = t.folder;
        ForEachFolderEntry(t.folder, [](const WIN32_FIND_DATAW&) {});
    }
}

// Each step summed over every file, in seconds, then the whole path; the files go in the last step.
void Steps(const std::vector<DeletionTarget>& targets) {
    std::vector<HANDLE> handles(targets.size());
    double open = 0, basic = 0, standard = 0, all = 0, network = 0, dispose = 0, close = 0;
    const double list = Seconds([&] { ListOnce(targets); });
    open = Seconds([&] {
        for (size_t i = 0; i < targets.size(); ++i) Open(targets[i], handles[i]);
    });
    basic = Seconds([&] {
        for (HANDLE h : handles) Basic(h);
    });
    standard = Seconds([&] {
        for (HANDLE h : handles) Standard(h);
    });
    all = Seconds([&] {
        for (HANDLE h : handles) AllInfo(h);
    });
    network = Seconds([&] {
        for (HANDLE h : handles) NetworkOpen(h);
    });
    dispose = Seconds([&] {
        for (HANDLE h : handles) Dispose(h);
    });
    close = Seconds([&] {
        for (HANDLE h : handles) CloseHandle(h);
    });
    const double n = double(targets.size()) / 1e6;  // microseconds per file
    std::printf(
        "step_list_folder_us_per_file: %.1f\nstep_open_us: %.1f\nstep_basic_info_us: %.1f\n"
        "step_standard_info_us: %.1f\nstep_all_info_us: %.1f\nstep_network_open_info_us: %.1f\n"
        "step_disposition_us: %.1f\nstep_close_us: %.1f\n",
        list / n, open / n, basic / n, standard / n, all / n, network / n, dispose / n, close / n);
}
}  // namespace

// The time of one lookup of a missing and of a present name in a big folder: as the Recycle Bin's
// progress looks names up, and as FindFirstFileExW does.
int LookUps(const std::wstring& folder) {
    const int n = 200;
    const double missingExact = Seconds([&] {
        for (int i = 0; i < n; ++i) LookUpName(folder + L"missing.tmp");
    });
    const double presentExact = Seconds([&] {
        for (int i = 0; i < n; ++i) LookUpName(folder + L"f1.tmp");
    });
    const double missingFolded = Seconds([&] {
        for (int i = 0; i < n; ++i) {
            WIN32_FIND_DATAW found;
            HANDLE h = FindFirstFileExW(ExtendedLengthPath(folder + L"missing.tmp").c_str(), FindExInfoBasic,
                                        &found, FindExSearchNameMatch, nullptr, 0);
            if (h != INVALID_HANDLE_VALUE) FindClose(h);
        }
    });
    std::printf(
        "lookup_name_missing_us: %.1f (%d)\nlookup_name_present_us: %.1f (%d)\n"
        "lookup_find_missing_us: %.1f\n",
        missingExact * 1e6 / n, int(LookUpName(folder + L"missing.tmp")), presentExact * 1e6 / n,
        int(LookUpName(folder + L"f1.tmp")), missingFolded * 1e6 / n);
    return 0;
}

int wmain(int argc, wchar_t** argv) {
    if (argc > 2 && !wcscmp(argv[1], L"lookup")) return LookUps(argv[2]);
    const int folders = argc > 1 ? _wtoi(argv[1]) : 10;
    const auto bare = [](const std::vector<DeletionTarget>& targets) {
        for (const DeletionTarget& t : targets) DeleteFileW(ExtendedLengthPath(t.Path()).c_str());
    };
    const auto program = [](unsigned threads) {
        return [threads](const std::vector<DeletionTarget>& targets) {
            DeletePermanently(targets, [](size_t) { return true; }, {.threads = threads});
        };
    };
    const auto open_close = [](const std::vector<DeletionTarget>& targets) {
        for (const DeletionTarget& t : targets) {
            HANDLE h;
            Open(t, h);
            CloseHandle(h);
        }
    };
    const auto handle_path = [](const std::vector<DeletionTarget>& targets) {
        for (const DeletionTarget& t : targets) {
            HANDLE h;
            Open(t, h);
            AllInfo(h);
            Dispose(h);
            CloseHandle(h);
        }
    };
    // The path with one query of the handle, as the program's deletion makes it.
    const auto one_query = [](const std::vector<DeletionTarget>& targets) {
        for (const DeletionTarget& t : targets) {
            HANDLE h;
            Open(t, h);
            NetworkOpen(h);
            Dispose(h);
            CloseHandle(h);
        }
    };
    const std::vector<Phase> phases{
        {"bare", bare},
        {"program1", program(1)},
        {"program2", program(2)},
        {"program3", program(3)},
        {"program4", program(4)},
        {"onequery", one_query},
        {"openclose", open_close},
        {"handlepath", handle_path},
        {"listing", ListOnce},
        {"steps", Steps},
    };
    for (const Phase& phase : phases) {
        const std::wstring root = L"C:\\probe\\" + std::wstring(phase.name, phase.name + strlen(phase.name));
        const std::vector<DeletionTarget> targets = Targets(root, folders);
        Mark(std::string("probe-begin-") + phase.name);
        const double s = Seconds([&] { phase.run(targets); });
        Mark(std::string("probe-end-") + phase.name);
        std::printf("%s_files: %zu\n%s_us_per_file: %.1f\n", phase.name, targets.size(), phase.name,
                    s * 1e6 / double(targets.size()));
    }
    return 0;
}
