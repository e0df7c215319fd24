#include "scan/file_deletion.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>

#include "platform/exact_names.h"
#include "platform/filesystem.h"
#include "platform/shell.h"
#include "scan/core/shell_path_rules.h"
#include "scan/scan_engine.h"

namespace {
// What was found at a listed file's path, or what deleting it did.
enum class FileOutcome {
    kAsListed,     // still the listed file (a check only)
    kDeleted,      // the system took the deletion; the check afterwards tells whether the name went
    kGone,         // nothing with the listed name there any more
    kChanged,      // something else there now: another size or time, a folder, a link
    kUnreachable,  // the listing holds the name more than once
    kFailed,       // the system refused; the error says why
};

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// A name that no path reaches exactly, in the file's name or in a folder above it.
bool IsUnreachable(const DeletionTarget& target) {
    return HoldsUnreachableCharacter(target.name) ||
           HoldsUnreachableCharacter(
               std::wstring_view(target.folder).substr(std::min<size_t>(3, target.folder.size())), true);
}

// The listed name in its folder's listing: kAsListed (with the entry) when it is there once.
FileOutcome FindInListing(const DeletionTarget& target, ExactNames& names, ExactNames::Entry& entry,
                          DWORD& error) {
    switch (names.Find(target.folder, target.name, entry, error)) {
        case ExactNames::Lookup::kFound:
            return FileOutcome::kAsListed;
        case ExactNames::Lookup::kMissing:
            return FileOutcome::kGone;
        case ExactNames::Lookup::kAmbiguous:
            return FileOutcome::kUnreachable;
        case ExactNames::Lookup::kUnreadable:
            break;
    }
    return FileOutcome::kFailed;
}

// What an opened entry is against the listing.
FileOutcome Compare(HANDLE file, const DeletionTarget& target, ExactNames& names, DWORD& error,
                    DWORD* attributes = nullptr) {
    FILE_BASIC_INFO basic{};
    FILE_STANDARD_INFO standard{};
    if (!GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) ||
        !GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard)) {
        error = GetLastError();
        return FileOutcome::kFailed;
    }
    if (attributes) *attributes = basic.FileAttributes;
    // A folder or a link in the file's place.
    if (standard.Directory ||
        (basic.FileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
        return FileOutcome::kChanged;
    // With the listed name gone, a lookup by name may have opened a case twin ("case.tmp" for a vanished
    // "Case.tmp") or the owner of an 8.3 alias.
    ExactNames::Entry listedNow;
    if (FileOutcome found = FindInListing(target, names, listedNow, error); found != FileOutcome::kAsListed)
        return found;
    const bool same = standard.EndOfFile.QuadPart == target.listed.size &&
                      uint64_t(basic.LastWriteTime.QuadPart) == target.listed.lastWrite;
    return same ? FileOutcome::kAsListed : FileOutcome::kChanged;
}

bool SetAttributes(HANDLE file, DWORD attributes) {
    FILE_BASIC_INFO info{};  // zero times are left as they are
    info.FileAttributes = attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(file, FileBasicInfo, &info, sizeof info);
}

// Looks at the listed file in its folder's listing, without opening it: enough where the shell acts
// by path anyway.
FileOutcome CheckListedFile(const DeletionTarget& target, ExactNames& names, DWORD& error) {
    error = 0;
    ExactNames::Entry now;
    if (FileOutcome found = FindInListing(target, names, now, error); found != FileOutcome::kAsListed)
        return found;
    if (now.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
        return FileOutcome::kChanged;
    return now.size == target.listed.size && now.lastWrite == target.listed.lastWrite ? FileOutcome::kAsListed
                                                                                      : FileOutcome::kChanged;
}

// Marks the file for deletion through the handle: with the disposition that takes the name away at
// once where the system offers it (other programs holding the file keep their handles), else with the
// plain one, whose name stays until the last handle closes.
bool SetDeleteDisposition(HANDLE file, DWORD& error) {
    struct DispositionEx {
        DWORD flags;
    };
    constexpr auto kDispositionInfoEx = FILE_INFO_BY_HANDLE_CLASS(21);
    constexpr DWORD kDelete = 0x1, kPosixSemantics = 0x2;
    static std::atomic<bool> exOffered{true};
    if (exOffered) {
        DispositionEx ex{kDelete | kPosixSemantics};
        if (SetFileInformationByHandle(file, kDispositionInfoEx, &ex, sizeof ex)) return true;
        error = GetLastError();
        if (error != ERROR_INVALID_PARAMETER && error != ERROR_NOT_SUPPORTED &&
            error != ERROR_INVALID_FUNCTION)
            return false;
        exOffered = false;  // this system (or file system) knows only the plain disposition
    }
    FILE_DISPOSITION_INFO disposition{TRUE};
    if (SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition)) return true;
    error = GetLastError();
    return false;
}

// Deletes exactly the listed file, permanently: opens it through its "\\?\" path without following a
// link, checks through that handle that it is still the listed plain file under the listed name, clears
// a read-only flag and deletes it through the same handle, so nothing can be swapped in between the
// check and the delete.
FileOutcome DeleteListedFile(const DeletionTarget& target, ExactNames& names, DWORD& error) {
    error = 0;
    const std::wstring path = target.Path();
    HANDLE file = OpenEntry(path, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES);
    // Without the right to change attributes a file can still be deletable; it just cannot lose a
    // read-only flag.
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED)
        file = OpenEntry(path, DELETE | FILE_READ_ATTRIBUTES);
    if (file == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return IsMissing(error) ? FileOutcome::kGone : FileOutcome::kFailed;
    }
    DWORD attributes = 0;
    FileOutcome outcome = Compare(file, target, names, error, &attributes);
    if (outcome == FileOutcome::kAsListed) {
        outcome = FileOutcome::kDeleted;
        // The user ticked a read-only file on purpose; it loses the flag only to be deleted, and gets it
        // back if the deletion fails.
        const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
        if (readOnly) SetAttributes(file, attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
        if (!SetDeleteDisposition(file, error)) {
            outcome = FileOutcome::kFailed;
            if (readOnly) SetAttributes(file, attributes);
        }
    }
    CloseHandle(file);
    return outcome;
}
}  // namespace

LeftReason ReasonOfError(DWORD error) {
    switch (error) {
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
            return LeftReason::kInUse;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return LeftReason::kAccessDenied;
        default:
            return LeftReason::kSystem;
    }
}

namespace {
LeftFile LeftWith(const DeletionTarget& target, LeftReason reason, DWORD error = 0, int shellResult = 0) {
    return {target.folder, target.name, reason, error, shellResult};
}

// When the question why a file is still there is asked.
enum class Asked {
    kBeforeDeleting,    // the Recycle Bin cannot take the path; would permanent mode get through?
    kAfterDisposition,  // permanent mode: the system took the deletion and the name stayed
    kAfterShell,        // Recycle Bin mode: the shell left the file
};

// Why a file is still there: opened as a deletion would open it, looked at for a pending deletion and
// for other programs holding it, and its security read. kRecycleRefused where nothing of that explains
// it before or after the shell.
LeftFile WhyStillThere(const DeletionTarget& target, Asked asked, int shellResult = 0) {
    const std::wstring path = target.Path();
    HANDLE file = OpenEntry(path, DELETE | FILE_READ_ATTRIBUTES);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (LastOpenMetPendingDeletion()) return LeftWith(target, LeftReason::kPostponed);
        return LeftWith(target, ReasonOfError(error), error);
    }
    FILE_STANDARD_INFO standard{};
    const bool pending = GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard) &&
                         standard.DeletePending;
    CloseHandle(file);
    if (pending) return LeftWith(target, LeftReason::kPostponed);
    if (asked != Asked::kBeforeDeleting) {
        // Some systems keep a deleted name while another program holds the file, without saying so.
        HANDLE alone = OpenEntry(path, DELETE | FILE_READ_ATTRIBUTES, 0);
        if (alone != INVALID_HANDLE_VALUE)
            CloseHandle(alone);
        else if (GetLastError() == ERROR_SHARING_VIOLATION)
            return LeftWith(target,
                            asked == Asked::kAfterDisposition ? LeftReason::kPostponed : LeftReason::kInUse,
                            ERROR_SHARING_VIOLATION);
    }
    if (SecurityForbidsDeleting(path))
        return LeftWith(target, LeftReason::kAccessDenied, ERROR_ACCESS_DENIED);
    if (asked == Asked::kAfterDisposition) return LeftWith(target, LeftReason::kNotDeleted);
    return LeftWith(target, LeftReason::kRecycleRefused, 0, shellResult);
}

// The state of each target as the deletion goes; the outcome is summed from it in row order at the end.
struct Settlement {
    enum class State { kUntried, kToVerify, kGoneBefore, kLeft } state = State::kUntried;
    LeftFile left;
};

void Settle(Settlement& s, const DeletionTarget& target, FileOutcome result, DWORD error) {
    using State = Settlement::State;
    switch (result) {
        case FileOutcome::kDeleted:
            s.state = State::kToVerify;
            break;
        case FileOutcome::kGone:
            s.state = State::kGoneBefore;  // someone else was quicker: what the user wanted has happened
            break;
        case FileOutcome::kChanged:
            s = {State::kLeft, LeftWith(target, LeftReason::kChanged)};
            break;
        case FileOutcome::kUnreachable:
            s = {State::kLeft, LeftWith(target, LeftReason::kUnreachable)};
            break;
        case FileOutcome::kAsListed:
        case FileOutcome::kFailed:
            s = {State::kLeft, LeftWith(target, ReasonOfError(error), error)};
            break;
    }
}

// Whether the listed name is still in a fresh listing of its folder, else what keeps the answer unknown.
std::optional<LeftFile> StillListed(const DeletionTarget& target, ExactNames& fresh, bool& present) {
    ExactNames::Entry entry;
    DWORD error = 0;
    switch (fresh.Find(target.folder, target.name, entry, error)) {
        case ExactNames::Lookup::kMissing:
            present = false;
            return std::nullopt;
        case ExactNames::Lookup::kFound:
        case ExactNames::Lookup::kAmbiguous:
            present = true;
            return std::nullopt;
        case ExactNames::Lookup::kUnreadable:
            break;
    }
    present = true;
    return LeftWith(target, ReasonOfError(error), error);  // a deletion that cannot be seen is not claimed
}

DeletionOutcome Summed(const std::vector<DeletionTarget>& targets, const std::vector<Settlement>& settled) {
    DeletionOutcome outcome;
    for (size_t i = 0; i < targets.size(); ++i) {
        switch (settled[i].state) {
            case Settlement::State::kToVerify:  // verified as gone
                outcome.deleted += 1;
                outcome.bytesFreed += targets[i].listed.size;
                break;
            case Settlement::State::kGoneBefore:
                outcome.deleted += 1;
                break;
            case Settlement::State::kLeft:
                outcome.left.push_back(settled[i].left);
                break;
            case Settlement::State::kUntried:
                break;
        }
    }
    return outcome;
}

// How far a running shell operation has come, told by one lookup a round. The shell deletes in list
// order, so the files of its list that are gone form a prefix. Each round looks ahead of the known count
// by a stride that doubles while it lands on gone files and halves when it lands on a present one, and
// waits four times as long as its lookup took (at least kRound): a missing name is looked up by reading
// its whole folder, 40 ms for a folder of 100,000 files under Wine, and a search of several such lookups
// every round kept the window from answering for up to 400 ms and slowed the shell.
class ShellProgress {
  public:
    static constexpr DWORD kRound = 100;
    explicit ShellProgress(size_t files) : files_(files) {}
    // The files known to be gone after one more lookup; wait the returned milliseconds before the next.
    DWORD Round(const std::function<std::wstring(size_t)>& pathAt, size_t& gone) {
        if (gone_ < files_) {
            const size_t at = std::min(gone_ + stride_, files_) - 1;
            const ULONGLONG start = GetTickCount64();
            if (LookUpName(pathAt(at)) == NamePresence::kGone) {
                gone_ = at + 1;
                stride_ *= 2;
            } else {
                stride_ = std::max<size_t>(1, stride_ / 2);
            }
            wait_ = DWORD(std::max<ULONGLONG>(kRound, 4 * (GetTickCount64() - start)));
        }
        gone = gone_;
        return wait_;
    }

  private:
    size_t files_, gone_ = 0, stride_ = 1;
    DWORD wait_ = kRound;
};

// Runs work on threads of its own while this thread waits for them, calling back the progress often
// and whenever a message arrives; a false answer raises stop for the workers. Threads that call the
// shell get COM; the others do without (its start reads the registry, some milliseconds under Wine).
enum class Com { kWithout, kForTheShell };
void RunWhileAnswering(const std::vector<std::function<void()>>& work, const std::atomic<size_t>& done,
                       std::atomic<bool>& stop, const DeletionProgress& progress, Com com) {
    std::atomic<size_t> running{work.size()};
    HANDLE finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::vector<std::thread> threads;
    for (const std::function<void()>& part : work) {
        threads.emplace_back([&, part] {
            // Below the window's thread, as the scan's readers are: on a busy machine the window still
            // gets its turn to answer.
            SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
            const HRESULT apartment = com == Com::kForTheShell
                                          ? CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)  // the shell's
                                          : E_FAIL;
            part();
            if (SUCCEEDED(apartment)) CoUninitialize();
            if (--running == 0) SetEvent(finished);
        });
    }
    if (work.empty()) SetEvent(finished);
    while (MsgWaitForMultipleObjects(1, &finished, FALSE, kDeletionAnswerMs, QS_ALLINPUT) != WAIT_OBJECT_0) {
        if (!progress(done)) stop = true;
    }
    for (std::thread& t : threads) t.join();
    CloseHandle(finished);
}

size_t SettledCount(const std::vector<Settlement>& settled) {
    return size_t(std::count_if(settled.begin(), settled.end(),
                                [](const Settlement& s) { return s.state != Settlement::State::kUntried; }));
}

// Raises stop when the caller's own flag is raised, so that the workers read one flag.
bool Stopping(std::atomic<bool>& stop, const DeletionControl& control) {
    if (control.stop && *control.stop) stop = true;
    return stop;
}

std::wstring ShellList(const std::wstring& path) { return path + L'\0'; }

// The targets of each folder, in row order; the folders in the order their first rows come.
std::vector<std::vector<size_t>> FolderGroups(const std::vector<DeletionTarget>& targets) {
    std::vector<std::vector<size_t>> groups;
    std::unordered_map<std::wstring, size_t> groupOf;
    for (size_t i = 0; i < targets.size(); ++i) {
        auto [it, added] = groupOf.try_emplace(targets[i].folder, groups.size());
        if (added) groups.emplace_back();
        groups[it->second].push_back(i);
    }
    return groups;
}

// Deletes one folder's targets in row order, then reads the folder afresh: the system may take a
// deletion and still keep the name (refuse it when the handle closes, or keep it while another program
// holds the file).
void DeleteFolderGroup(const std::vector<DeletionTarget>& targets, const std::vector<size_t>& group,
                       std::vector<Settlement>& settled, std::atomic<size_t>& done, std::atomic<bool>& stop,
                       const DeletionControl& control) {
    // A folder of several files is listed at once rather than after a first lookup.
    const size_t lookups = group.size() > 1 ? 0 : 1;
    ExactNames names(lookups);
    for (size_t i : group) {
        if (Stopping(stop, control)) break;
        DWORD error = 0;
        const FileOutcome result = IsUnreachable(targets[i]) ? FileOutcome::kUnreachable
                                                             : DeleteListedFile(targets[i], names, error);
        Settle(settled[i], targets[i], result, error);
        ++done;
    }
    ExactNames fresh(lookups);
    for (size_t i : group) {
        if (settled[i].state != Settlement::State::kToVerify) continue;
        bool present = false;
        if (std::optional<LeftFile> unknown = StillListed(targets[i], fresh, present))
            settled[i] = {Settlement::State::kLeft, *unknown};
        else if (present)
            settled[i] = {Settlement::State::kLeft, WhyStillThere(targets[i], Asked::kAfterDisposition)};
    }
}
}  // namespace

// As many as the scan's read-ahead: one per core, at least two.
unsigned DeletionThreads() { return unsigned(PrefetchThreads()); }

DeletionOutcome DeletePermanently(const std::vector<DeletionTarget>& targets,
                                  const DeletionProgress& progress, DeletionControl control) {
    std::vector<Settlement> settled(targets.size());
    // The rows are grouped by the first worker, so that the window thread answers meanwhile.
    std::vector<std::vector<size_t>> groups;
    std::once_flag grouped;
    std::atomic<size_t> nextGroup{0}, done{0};
    std::atomic<bool> stop{false};
    const unsigned threads =
        unsigned(std::min<size_t>(control.threads ? control.threads : DeletionThreads(), targets.size()));
    std::vector<std::function<void()>> work(threads, [&] {
        std::call_once(grouped, [&] { groups = FolderGroups(targets); });
        for (size_t g; !Stopping(stop, control) && (g = nextGroup++) < groups.size();)
            DeleteFolderGroup(targets, groups[g], settled, done, stop, control);
    });
    RunWhileAnswering(work, done, stop, progress, Com::kWithout);
    progress(SettledCount(settled));
    return Summed(targets, settled);
}

DeletionOutcome DeleteToRecycleBin(const std::vector<DeletionTarget>& targets,
                                   const DeletionProgress& progress, DeletionControl control) {
    using State = Settlement::State;
    std::vector<Settlement> settled(targets.size());
    std::atomic<size_t> done{0};
    std::atomic<bool> stop{false}, shellRunning{false};
    std::vector<size_t> batch;  // files for the shell, in row order
    size_t settledBefore = 0;   // files settled before the shell runs

    // The checks, the shell and the checks afterwards run on one thread; another one tells meanwhile how
    // far the shell has come, so that the window thread never reads a folder.
    auto deletion = [&] {
        // Each folder is listed once for the checks before, and once afresh for those after the shell.
        const std::vector<std::vector<size_t>> groups = FolderGroups(targets);
        std::wstring list;
        for (const std::vector<size_t>& group : groups) {
            ExactNames names(group.size() > 1 ? 0 : 1);
            for (size_t i : group) {
                if (Stopping(stop, control)) return;
                const DeletionTarget& t = targets[i];
                const std::wstring path = t.Path();
                DWORD error = 0;
                const FileOutcome now =
                    IsUnreachable(t) ? FileOutcome::kUnreachable : CheckListedFile(t, names, error);
                if (now != FileOutcome::kAsListed) {
                    Settle(settled[i], t, now, error);
                    ++done;
                } else if (ShellPathProblem problem = ShellPathProblemOf(path);
                           problem != ShellPathProblem::kNone) {
                    // Pointing to permanent mode is advice only for a file that it could delete.
                    LeftFile why = WhyStillThere(t, Asked::kBeforeDeleting);
                    if (why.reason == LeftReason::kRecycleRefused)
                        why.reason = problem == ShellPathProblem::kTooLong ? LeftReason::kRecyclePathTooLong
                                                                           : LeftReason::kRecycleName;
                    settled[i] = {State::kLeft, why};
                    ++done;
                } else {
                    batch.push_back(i);
                }
            }
        }
        if (batch.empty()) return;
        std::sort(batch.begin(), batch.end());  // the shell takes the files in row order
        for (size_t i : batch) list += ShellList(targets[i].Path());
        settledBefore = done;
        shellRunning = true;
        const int result = ShellDeleteFiles(list + L'\0', true);
        shellRunning = false;

        // What the shell left is tried again on its own (unless the user is closing), so that its failure
        // is known by file.
        for (size_t i : batch) settled[i].state = State::kToVerify;
        for (const std::vector<size_t>& group : groups) {
            ExactNames fresh(group.size() > 1 ? 0 : 1);
            for (size_t i : group) {
                if (settled[i].state != State::kToVerify) continue;
                const DeletionTarget& t = targets[i];
                bool present = false;
                if (std::optional<LeftFile> unknown = StillListed(t, fresh, present)) {
                    settled[i] = {State::kLeft, *unknown};
                } else if (present) {
                    int single = result;
                    ExactNames namesNow;
                    DWORD error = 0;
                    if (!Stopping(stop, control)) {
                        single = ShellDeleteFiles(ShellList(t.Path()) + L'\0', true);
                        if (CheckListedFile(t, namesNow, error) == FileOutcome::kGone) continue;
                    }
                    settled[i] = {State::kLeft, WhyStillThere(t, Asked::kAfterShell, single)};
                }
            }
        }
        done = settledBefore + batch.size();
    };
    HANDLE deletionDone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    auto watcher = [&] {
        std::optional<ShellProgress> shell;  // made once the shell has its list
        DWORD wait = ShellProgress::kRound;
        while (WaitForSingleObject(deletionDone, wait) == WAIT_TIMEOUT) {
            if (!shellRunning) continue;
            if (!shell) shell.emplace(batch.size());
            size_t gone = 0;
            wait = shell->Round([&](size_t at) { return targets[batch[at]].Path(); }, gone);
            // Never below what the deletion itself counts once the shell is done.
            for (size_t now = done;
                 now < settledBefore + gone && !done.compare_exchange_weak(now, settledBefore + gone);) {
            }
        }
    };
    RunWhileAnswering({[&] {
                           deletion();
                           SetEvent(deletionDone);
                       },
                       watcher},
                      done, stop, progress, Com::kForTheShell);
    CloseHandle(deletionDone);
    progress(SettledCount(settled));
    return Summed(targets, settled);
}
