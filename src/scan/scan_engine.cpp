#include "scan/scan_engine.h"

#include <vector>

#include "platform/filesystem.h"
#include "platform/text.h"
#include "scan/core/match_mask.h"
#include "shared/all_var.h"

namespace {

bool AnyMatches(std::string_view text, const std::vector<std::string>& patterns) {
    if (IsDotName(text)) return false;
    for (const std::string& p : patterns) {
        if (MatchMask(text, p)) return true;
    }
    return false;
}

// Names are nearly always ASCII; converting those by hand keeps the walk close to the bare enumeration.
void ToUtf8(const wchar_t* wide, std::string& out) {
    out.clear();
    for (const wchar_t* p = wide; *p; ++p) {
        if (*p >= 0x80) {
            out = Narrow(wide);
            return;
        }
        out.push_back(char(*p));
    }
}

bool IsListedFile(const WIN32_FIND_DATAW& e, std::string_view name) {
    if (IsDotName(name) || IsExcludedName(name)) return false;
    DWORD a = e.dwFileAttributes;
    if (IsSkippedByAttributes(a & FILE_ATTRIBUTE_READONLY, a & FILE_ATTRIBUTE_SYSTEM,
                              a & FILE_ATTRIBUTE_HIDDEN, ScanOptionFlags))
        return false;
    if (IsIncludedName(name)) return true;
    return ScanOptionFlags.size() > 3 && ScanOptionFlags[3] == '1' && EntrySize(e) == 0;
}

struct PendingFolder {
    std::wstring path;  // with its trailing "\"
    std::string utf8Path;
    std::vector<std::wstring> subfolders;
    size_t next = 0;
};

// Lists one folder's files and collects the subfolders to walk after it.
void ListFolder(PendingFolder& folder, const ScanCallbacks& cb) {
    if (cb.pump) cb.pump();
    if (cb.enterFolder) cb.enterFolder(folder.path);
    WIN32_FIND_DATAW entry;
    HANDLE find = OpenFolderEnumeration(folder.path, entry);
    if (find == INVALID_HANDLE_VALUE) return;
    std::string name, fullPath;
    bool first = true;
    do {
        if (!first && ScanState == Idle) break;
        first = false;
        if (IsReparsePoint(entry.dwFileAttributes)) continue;
        ToUtf8(entry.cFileName, name);
        if (IsSubfolder(entry)) {
            fullPath.assign(folder.utf8Path).append(name);
            if (!IsExcludedPath(fullPath)) folder.subfolders.emplace_back(entry.cFileName);
        } else if (IsListedFile(entry, name) && cb.addFoundFile) {
            cb.addFoundFile(entry, folder.path);
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

std::wstring WithBackslash(std::wstring path) {
    if (path.empty() || path.back() != L'\\') path.push_back(L'\\');
    return path;
}

}  // namespace

bool IsSubfolder(const WIN32_FIND_DATAW& entry) {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    return wcscmp(entry.cFileName, L".") != 0 && wcscmp(entry.cFileName, L"..") != 0;
}

bool IsExcludedPath(std::string_view folderPath) { return AnyMatches(folderPath, ExcludePathList); }
bool IsExcludedName(std::string_view name) { return AnyMatches(name, ExcludeMaskList); }
bool IsIncludedName(std::string_view name) { return AnyMatches(name, IncludeMaskList); }

void ScanFolder(const std::wstring& folder, const ScanCallbacks& cb) {
    std::vector<PendingFolder> stack;
    stack.push_back({WithBackslash(folder), Narrow(WithBackslash(folder)), {}, 0});
    ListFolder(stack.back(), cb);
    while (!stack.empty()) {
        PendingFolder& top = stack.back();
        if (top.next == top.subfolders.size()) {
            stack.pop_back();
            continue;
        }
        if (ScanState == Idle) return;
        if (ScanState == Paused) {
            if (cb.waitWhilePaused) cb.waitWhilePaused();
            continue;
        }
        std::wstring child = WithBackslash(top.path + top.subfolders[top.next]);
        ++top.next;
        PendingFolder next{child, Narrow(child), {}, 0};
        ListFolder(next, cb);
        stack.push_back(std::move(next));
    }
}
