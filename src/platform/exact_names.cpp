#include "platform/exact_names.h"

#include "platform/file_tree.h"
#include "platform/filesystem.h"

namespace {
ExactNames::Entry EntryOf(const WIN32_FIND_DATAW& e) {
    return {e.dwFileAttributes, EntrySize(e), FileTimeValue(e.ftLastWriteTime)};
}

bool IsMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES;
}
}  // namespace

ExactNames::Lookup ExactNames::Find(const std::wstring& folder, const std::wstring& name, Entry& entry,
                                    DWORD& error) {
    if (folder != folder_) {
        folder_ = folder;
        asked_ = 0;
        listed_ = false;
        entries_.clear();
    }
    if (!listed_ && ++asked_ <= lookupsBeforeListing_) {
        WIN32_FIND_DATAW found;
        HANDLE find = FindFirstFileExW(ExtendedLengthPath(folder + name).c_str(), FindExInfoBasic, &found,
                                       FindExSearchNameMatch, nullptr, 0);
        if (find == INVALID_HANDLE_VALUE) {
            error = GetLastError();
            return IsMissing(error) ? Lookup::kMissing : Lookup::kUnreadable;
        }
        if (name == found.cFileName) {
            entry = EntryOf(found);
            // Another entry under the very same name can only follow the first one.
            WIN32_FIND_DATAW next;
            const bool twin = FindNextFileW(find, &next) && name == next.cFileName;
            FindClose(find);
            return twin ? Lookup::kAmbiguous : Lookup::kFound;
        }
        FindClose(find);
        // The lookup answered with a twin, or the name holds wildcards: only the listing can tell.
    }
    if (!listed_) {
        listed_ = true;
        listError_ = 0;
        if (!ForEachFolderEntry(folder, [&](const WIN32_FIND_DATAW& e) {
                Listed& listed = entries_[e.cFileName];
                listed.entry = EntryOf(e);
                listed.count += 1;
            }))
            listError_ = GetLastError();
    }
    if (listError_ && !IsMissing(listError_)) {
        error = listError_;
        return Lookup::kUnreadable;
    }
    auto it = entries_.find(name);
    if (it == entries_.end()) return Lookup::kMissing;
    entry = it->second.entry;
    return it->second.count == 1 ? Lookup::kFound : Lookup::kAmbiguous;
}
