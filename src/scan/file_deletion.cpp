#include "scan/file_deletion.h"

#include <atomic>
#include <thread>

#include "platform/exact_names.h"
#include "platform/filesystem.h"
#include "platform/shell.h"
#include "scan/core/shell_path_rules.h"

namespace {
// What was found at a listed file's path, or what deleting it did.
enum class FileOutcome {
    kAsListed,  // still the listed file (a check only)
    kDeleted,
    kGone,     // nothing with the listed name there any more
    kChanged,  // something else there now: another size or time, a folder, a link
    kFailed,   // the system refused; the error says why
};

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// The listed name in its folder's listing: kAsListed (with the entry) when it is there.
FileOutcome FindInListing(const DeletionTarget& target, ExactNames& names, ExactNames::Entry& entry,
                          DWORD& error) {
    switch (names.Find(target.folder, target.name, entry, error)) {
        case ExactNames::Lookup::kFound:
            return FileOutcome::kAsListed;
        case ExactNames::Lookup::kMissing:
            return FileOutcome::kGone;
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

// Opens the entry itself, never a link's target; a folder opens too, so that it can be recognised.
HANDLE OpenForDeletion(const std::wstring& path, DWORD access) {
    return CreateFileW(ExtendedLengthPath(path).c_str(), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
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

// Deletes exactly the listed file, permanently: opens it through its "\\?\" path without following a
// link, checks through that handle that it is still the listed plain file under the listed name, clears
// a read-only flag and deletes it through the same handle, so nothing can be swapped in between the
// check and the delete.
FileOutcome DeleteListedFile(const DeletionTarget& target, ExactNames& names, DWORD& error) {
    error = 0;
    const std::wstring path = target.Path();
    HANDLE file = OpenForDeletion(path, DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES);
    // Without the right to change attributes a file can still be deletable; it just cannot lose a
    // read-only flag.
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED)
        file = OpenForDeletion(path, DELETE | FILE_READ_ATTRIBUTES);
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
        FILE_DISPOSITION_INFO disposition{TRUE};
        if (!SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition)) {
            error = GetLastError();
            outcome = FileOutcome::kFailed;
            if (readOnly) SetAttributes(file, attributes);
        }
    }
    CloseHandle(file);
    return outcome;
}

// The error that opening the file for deletion meets now (0 when it could be opened): tells a file in
// use from one the user may not delete.
DWORD DeleteAccessError(const std::wstring& path) {
    HANDLE file = OpenForDeletion(path, DELETE | FILE_READ_ATTRIBUTES);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    CloseHandle(file);
    return 0;
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
void Leave(DeletionOutcome& outcome, const DeletionTarget& target, LeftReason reason, DWORD error = 0) {
    outcome.left.push_back({target.folder, target.name, reason, error});
}

void Settle(DeletionOutcome& outcome, const DeletionTarget& target, FileOutcome result, DWORD error) {
    switch (result) {
        case FileOutcome::kDeleted:
            outcome.deleted += 1;
            outcome.bytesFreed += target.listed.size;
            break;
        case FileOutcome::kGone:
            outcome.deleted += 1;  // someone else was quicker: what the user wanted has happened
            break;
        case FileOutcome::kChanged:
            Leave(outcome, target, LeftReason::kChanged);
            break;
        case FileOutcome::kAsListed:
        case FileOutcome::kFailed:
            Leave(outcome, target, ReasonOfError(error), error);
            break;
    }
}

// The shell deletes in list order, so the files of its list that are gone form a prefix: a binary
// search over it tells how far a running operation has come.
size_t GonePrefix(const std::vector<DeletionTarget>& targets, const std::vector<size_t>& batch) {
    ExactNames names;
    size_t low = 0, high = batch.size();
    while (low < high) {
        size_t middle = low + (high - low) / 2;
        const DeletionTarget& t = targets[batch[middle]];
        DWORD error = 0;
        if (CheckListedFile(t, names, error) == FileOutcome::kGone)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

// Runs one shell operation on a thread of its own while this thread keeps the window answering.
int ShellDeleteWhileAnswering(const std::wstring& list, const std::function<void()>& whileWaiting) {
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<int> result{0};
    std::thread shell([&] {
        HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        result = ShellDeleteFiles(list, true);
        if (SUCCEEDED(com)) CoUninitialize();
        SetEvent(done);
    });
    while (MsgWaitForMultipleObjects(1, &done, FALSE, 50, QS_ALLINPUT) != WAIT_OBJECT_0) whileWaiting();
    shell.join();
    CloseHandle(done);
    return result;
}

std::wstring ShellList(const std::wstring& path) { return path + L'\0'; }
}  // namespace

DeletionOutcome DeletePermanently(const std::vector<DeletionTarget>& targets,
                                  const DeletionProgress& progress) {
    DeletionOutcome outcome;
    ExactNames names;
    for (size_t i = 0; i < targets.size(); ++i) {
        DWORD error = 0;
        FileOutcome result = DeleteListedFile(targets[i], names, error);
        Settle(outcome, targets[i], result, error);
        progress(i + 1);
    }
    return outcome;
}

DeletionOutcome DeleteToRecycleBin(const std::vector<DeletionTarget>& targets,
                                   const DeletionProgress& progress) {
    DeletionOutcome outcome;
    ExactNames names;
    std::vector<size_t> batch;  // files for the shell, in row order
    std::wstring list;
    for (const DeletionTarget& t : targets) {
        const std::wstring path = t.Path();
        DWORD error = 0;
        FileOutcome now = CheckListedFile(t, names, error);
        if (now != FileOutcome::kAsListed) {
            Settle(outcome, t, now, error);
        } else if (ShellPathProblem problem = ShellPathProblemOf(path); problem != ShellPathProblem::kNone) {
            // Pointing to permanent mode is advice only for a file that it could open.
            if (DWORD refused = DeleteAccessError(path))
                Leave(outcome, t, ReasonOfError(refused), refused);
            else
                Leave(outcome, t,
                      problem == ShellPathProblem::kTooLong ? LeftReason::kRecyclePathTooLong
                                                            : LeftReason::kRecycleName);
        } else {
            batch.push_back(&t - targets.data());
            list += ShellList(path);
        }
        progress(outcome.deleted + outcome.left.size());  // files for the shell count once it has run
    }
    if (batch.empty()) return outcome;

    const size_t settledBefore = outcome.deleted + outcome.left.size();
    const int result = ShellDeleteWhileAnswering(
        list + L'\0', [&] { progress(settledBefore + GonePrefix(targets, batch)); });

    // What the shell left is tried again on its own, so that its failure is known by file. The folders
    // are read afresh: the names seen before the shell ran are stale now.
    ExactNames namesAfter;
    size_t done = settledBefore;
    for (size_t index : batch) {
        const DeletionTarget& t = targets[index];
        const std::wstring path = t.Path();
        DWORD error = 0;
        FileOutcome now = CheckListedFile(t, namesAfter, error);
        int single = result;
        if (now == FileOutcome::kAsListed) {
            single = ShellDeleteFiles(ShellList(path) + L'\0', true);
            ExactNames namesNow;
            now = CheckListedFile(t, namesNow, error);
        }
        if (now == FileOutcome::kGone) {
            outcome.deleted += 1;
            outcome.bytesFreed += t.listed.size;
        } else if (now == FileOutcome::kAsListed) {
            // The shell's own codes say little; opening the file as the shell would tells in use from
            // no access.
            error = DeleteAccessError(path);
            if (error)
                Leave(outcome, t, ReasonOfError(error), error);
            else
                outcome.left.push_back({t.folder, t.name, LeftReason::kRecycleRefused, 0, single});
        } else {
            Settle(outcome, t, now, error);
        }
        progress(++done);
    }
    return outcome;
}
