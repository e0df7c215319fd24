#include "platform/exact_names.h"

#include <windows.h>

#include "platform/file_tree.h"

namespace {
// Beyond this many names of one folder, listing it once is cheaper than looking each up.
constexpr size_t kLookupsBeforeListing = 1;
}  // namespace

bool ExactNames::Holds(const std::wstring& folder, const std::wstring& name) {
    if (folder != folder_) {
        folder_ = folder;
        asked_ = 0;
        listed_ = false;
        names_.clear();
    }
    if (!listed_ && ++asked_ <= kLookupsBeforeListing) {
        WIN32_FIND_DATAW entry;
        HANDLE find = FindFirstFileExW(ExtendedLengthPath(folder + name).c_str(), FindExInfoBasic, &entry,
                                       FindExSearchNameMatch, nullptr, 0);
        if (find == INVALID_HANDLE_VALUE) return false;
        FindClose(find);
        if (name == entry.cFileName) return true;
        // The lookup answered with a twin, or the name holds wildcards: only the listing can tell.
    }
    if (!listed_) {
        ForEachFolderEntry(folder, [&](const WIN32_FIND_DATAW& e) { names_.insert(e.cFileName); });
        listed_ = true;
    }
    return names_.count(name) != 0;
}
