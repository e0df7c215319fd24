#include <shlobj.h>
#include <wininet.h>

#include <vector>

#include "otherclean/core/cookie_name.h"
#include "otherclean/core/leftover_codec.h"
#include "otherclean/cookie_keep_list.h"
#include "otherclean/form_clean.h"
#include "otherclean/history_index_file.h"
#include "otherclean/leftover_file.h"
#include "shared/app_title.h"
#include "platform/app_paths.h"
#include "platform/dialogs.h"
#include "platform/file_tree.h"
#include "platform/history_store.h"
#include "platform/known_folders.h"
#include "platform/text.h"
#include "platform/url_cache.h"

namespace {
// SetResult's selectors: which leftover file a folder's list goes to.
constexpr const char* kInternetFilesSelector = "Options1";
constexpr const char* kTempFolderSelector = "Options2";

// Entries are collected first and removed after the walk, so removing never disturbs the listing.
template <typename Wanted>
void RemoveUrlCacheEntries(Wanted wanted) {
    std::vector<std::string> doomed;
    WalkUrlCache([&](const UrlCacheEntry& entry) {
        if (wanted(entry)) doomed.push_back(entry.sourceUrl);
    });
    for (const std::string& url : doomed) RemoveUrlCacheEntry(url);
}
}  // namespace

// The shell's recursive delete would follow folder links; this deletes a file or a whole folder with
// the program's own walk, which removes a link as a link, and answers in the shell's result codes.
int TformClean::DelFileSH(const std::string& path) { return int(DeleteLinkSafe(Widen(path))); }

// Always true: what cannot be deleted stays and is listed by SearchResult afterwards.
bool TformClean::SearchDelF(const std::string& folder, const std::string& name, bool top) {
    const std::wstring wideName = Widen(name);
    std::vector<std::wstring> subfolders, doomed;
    ForEachFolderEntry(Widen(folder), [&](const WIN32_FIND_DATAW& entry) {
        if (IsWalkableFolder(entry))
            subfolders.emplace_back(entry.cFileName);
        else if (name.empty() ? !IsDotEntry(entry.cFileName) : wideName == entry.cFileName)
            doomed.emplace_back(entry.cFileName);
    });
    for (const std::wstring& entry : doomed) DelFileSH(folder + Narrow(entry));
    for (const std::wstring& sub : subfolders) SearchDelF(folder + Narrow(sub) + "\\", name, false);
    if (!top) DelFileSH(folder.substr(0, folder.size() - 1));
    return true;
}

void TformClean::SearchResult(const std::string& folder) {
    std::vector<std::wstring> subfolders;
    ForEachFolderEntry(Widen(folder), [&](const WIN32_FIND_DATAW& entry) {
        if (IsWalkableFolder(entry)) {
            subfolders.emplace_back(entry.cFileName);
            return;
        }
        if (IsDotEntry(entry.cFileName)) return;
        // A path the leftover file cannot hold is left off the list, so the area shows its real size.
        std::string path = folder + Narrow(entry.cFileName), ansi;
        if (ToAnsi(path, ansi) && path.find(kLeftoverSeparator) == std::string::npos &&
            path.find(kLeftoverTerminator) == std::string::npos)
            leftoverText_ += LeftoverEntry(path);
    });
    for (const std::wstring& sub : subfolders) SearchResult(folder + Narrow(sub) + "\\");
}

void TformClean::SetResult(const std::string& selector, const std::string& folder) {
    const char* file = selector == kInternetFilesSelector ? kInternetLeftoverFile : kTempLeftoverFile;
    leftoverText_.clear();
    SearchResult(folder);
    leftoverText_ += kLeftoverTerminator;
    WriteLeftoverFile(ExeFolder() + file, leftoverText_);
    leftoverText_.clear();
}

void TformClean::DelTmp() {
    const std::string folder = TempFolderPath();
    if (folder.empty()) return;
    SearchDelF(folder, "desktop.ini", true);
    SearchDelF(folder, "", true);
    SetResult(kTempFolderSelector, folder);
}

void TformClean::DelInternet() {
    RemoveUrlCacheEntries([](const UrlCacheEntry& entry) { return !(entry.type & COOKIE_CACHE_ENTRY); });
    const auto folder = SpecialFolderPath(CSIDL_INTERNET_CACHE);
    if (!folder) return;
    const std::string top = WithBackslash(*folder);
    SearchDelF(top, "desktop.ini", true);
    SearchDelF(top, "", true);
    SetResult(kInternetFilesSelector, top);
}

HRESULT TformClean::Delhistory() {
    if (const HRESULT store = ClearUrlHistoryStore(historyStoreClass); FAILED(store)) return store;
    const auto folder = SpecialFolderPath(CSIDL_HISTORY);
    if (!folder) return S_OK;
    const std::string top = WithBackslash(*folder);
    std::vector<std::string> stores;
    ForEachFolderEntry(Widen(top), [&](const WIN32_FIND_DATAW& entry) {
        if (IsWalkableFolder(entry) && wcsstr(entry.cFileName, L"History.IE"))
            stores.push_back(Narrow(entry.cFileName));
    });
    for (const std::string& store : stores) {
        const std::string storeFolder = top + store + "\\";
        std::vector<std::string> days;
        ForEachFolderEntry(Widen(storeFolder), [&](const WIN32_FIND_DATAW& entry) {
            if (IsWalkableFolder(entry) && wcsstr(entry.cFileName, L"MSHist"))
                days.push_back(Narrow(entry.cFileName));
        });
        for (const std::string& day : days) WipeHistoryIndex(storeFolder + day + "\\index.dat");
    }
    return S_OK;
}

void TformClean::DelRecent() {
    if (const auto folder = SpecialFolderPath(CSIDL_RECENT)) SearchDelF(WithBackslash(*folder), "", true);
}

void TformClean::m_DelCookie() {
    const std::optional<std::vector<std::string>> keepList = ReadCookieKeepList();
    if (!keepList) {
        ShowMessageBox(hwnd, kKeepListUnreadableText, kAppTitle, MB_ICONWARNING | MB_OK);
        return;
    }
    RemoveUrlCacheEntries([&](const UrlCacheEntry& entry) {
        return (entry.type & COOKIE_CACHE_ENTRY) &&
               !IsKeptCookie(CookieNameFromUrl(entry.sourceUrl), *keepList);
    });
}
