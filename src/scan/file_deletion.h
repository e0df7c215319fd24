#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The deletion of the ticked results. Every file is tried on its own, in row order, and only through a
// name that reaches exactly that file. A file counts as deleted only when a fresh listing of its folder
// no longer holds its name; every other file is recorded with the reason it is still there.

// A file as the scan listed it: the deletion acts only on a file that still looks like this.
struct ListedFile {
    int64_t size = 0;
    uint64_t lastWrite = 0;
};

// A ticked row, copied out of the results so that the list may change while the deletion runs.
struct DeletionTarget {
    std::wstring folder;  // ends in "\"
    std::wstring name;
    ListedFile listed;
    std::wstring Path() const { return folder + name; }
};

// Why a ticked file is still there.
enum class LeftReason {
    kInUse,
    kAccessDenied,
    kChanged,             // not the file the scan listed any more
    kPostponed,           // deleted, but another program still has it open; it goes when that one closes it
    kNotDeleted,          // the system said yes and the name stayed, for no reason it names
    kUnreachable,         // no Win32 path reaches exactly this name; nothing was handed a delete call
    kRecycleName,         // the Recycle Bin cannot take the name; permanent mode can delete it
    kRecyclePathTooLong,  // the path is too long for the Recycle Bin; permanent mode can delete it
    kRecycleRefused,      // the shell left it without a reason the system can name
    kSystem,              // another error; `error` holds it
};

struct LeftFile {
    std::wstring folder, name;
    LeftReason reason;
    DWORD error = 0;
    int shellResult = 0;  // with kRecycleRefused: what the shell returned
};

struct DeletionOutcome {
    size_t deleted = 0;          // files gone afterwards, those already gone before included
    int64_t bytesFreed = 0;      // the listed sizes of the files this deletion removed
    std::vector<LeftFile> left;  // in row order; a stopped deletion counts no file it did not try
};

// The files are deleted on worker threads; the calling (window) thread only waits, and is called back
// at least every kDeletionAnswerMs, and whenever a message arrives, with the number of files settled so
// far, to show it and let the window answer. False from the callback, or stop set (from any thread),
// ends the deletion after the files in hand (permanent mode) or the shell operation in hand.
using DeletionProgress = std::function<bool(size_t done)>;
inline constexpr unsigned kDeletionAnswerMs = 20;

struct DeletionControl {
    const std::atomic<bool>* stop = nullptr;
    unsigned threads = 0;  // permanent mode: 0 for one per core, at least two
};

// One folder's files go on one thread, in row order; folders are shared among the threads. The outcome
// is the same as a sequential run's: the files left are reported in row order.
DeletionOutcome DeletePermanently(const std::vector<DeletionTarget>& targets,
                                  const DeletionProgress& progress, DeletionControl control = {});
// Hands the shell, in one operation, only the paths it resolves to the listed files; files it leaves
// are tried again one at a time, so that each failure is known by file.
DeletionOutcome DeleteToRecycleBin(const std::vector<DeletionTarget>& targets,
                                   const DeletionProgress& progress, DeletionControl control = {});

// The threads a permanent deletion uses with threads 0.
unsigned DeletionThreads();

// The reason a failed deletion with this error gets.
LeftReason ReasonOfError(DWORD error);
