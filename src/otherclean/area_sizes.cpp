#include <shlobj.h>
#include <wininet.h>

#include <vector>

#include "otherclean/cookie_keep_list.h"
#include "otherclean/core/cookie_name.h"
#include "otherclean/core/leftover_codec.h"
#include "otherclean/history_index_file.h"
#include "otherclean/leftover_file.h"
#include "otherclean/other_clean_page.h"
#include "platform/app_paths.h"
#include "platform/file_tree.h"
#include "platform/known_folders.h"
#include "platform/locale.h"
#include "platform/recycle_bin.h"
#include "platform/text.h"
#include "platform/url_cache.h"
#include "scan/core/size_text.h"

void OtherCleanPage::m_GetSize(int area, const std::string& folderText) {
    const std::wstring folder = WithBackslash(Widen(folderText));
    const bool historyFolder = area == 4 && folder.find(L"MSHist") != std::wstring::npos;
    std::vector<std::wstring> subfolders;
    ForEachFolderEntry(folder, [&](const WIN32_FIND_DATAW& entry) {
        if (IsWalkableFolder(entry)) {
            subfolders.emplace_back(entry.cFileName);
            return;
        }
        if ((area == 2 || area == 3) && OnlyLeftovers && !IsDotEntry(entry.cFileName) &&
            !(area == 3 && wcscmp(entry.cFileName, L"desktop.ini") == 0) &&
            !AreaLeftovers.count(folder + entry.cFileName))
            OnlyLeftovers = false;
        if (historyFolder && !HistoryHasEntries && wcscmp(entry.cFileName, L"index.dat") == 0 &&
            !IsHistoryIndexEmpty(Narrow(folder) + "index.dat"))
            HistoryHasEntries = true;
        AreaTotal[area] += int64_t(entry.nFileSizeHigh) << 32 | entry.nFileSizeLow;
    });
    for (const std::wstring& name : subfolders) m_GetSize(area, Narrow(folder + name + L"\\"));
}

void OtherCleanPage::m_GetCookie() {
    // With an unreadable keep list no cookie would be deleted, so none counts.
    const std::optional<std::vector<std::string>> keepList = ReadCookieKeepList();
    AreaTotal[6] = 0;
    WalkUrlCache([&](const UrlCacheEntry& entry) {
        if (keepList && (entry.type & COOKIE_CACHE_ENTRY) &&
            !IsKeptCookie(CookieNameFromUrl(entry.sourceUrl), *keepList))
            AreaTotal[6] += 4;
    });
    OTLabel6.SetText(FormatCookieKilobytes(AreaTotal[6], DecimalSeparator()));
}

void OtherCleanPage::m_OTShow(int area) {
    if (area == kAllAreas) {
        for (int a = 1; a <= 6; ++a) m_OTShow(a);
        return;
    }
    const char decimal = DecimalSeparator();
    // Areas 2 and 3 count as empty while they hold nothing but the files the last run had to leave.
    auto leftoverArea = [&](const std::string& folder, const char* leftoverFile) {
        AreaLeftovers.clear();
        for (const std::string& entry : SplitLeftoverEntries(ReadLeftoverFile(ExeFolder() + leftoverFile)))
            AreaLeftovers.insert(Widen(entry));
        OnlyLeftovers = true;
        if (!folder.empty()) m_GetSize(area, folder);
        if (OnlyLeftovers) AreaTotal[area] = 0;
        AreaLeftovers.clear();
    };
    if (area >= 1 && area <= 5) AreaTotal[area] = 0;
    switch (area) {
        case 1:
            AreaTotal[1] = RecycleBinBytesOfFixedDrives();
            OTLabel1.SetText(FormatSize(AreaTotal[1], decimal));
            break;
        case 2:
            leftoverArea(TempFolderPath(), kTempLeftoverFile);
            OTLabel2.SetText(FormatSize(AreaTotal[2], decimal));
            break;
        case 3:
            leftoverArea(SpecialFolderPath(CSIDL_INTERNET_CACHE).value_or(""), kInternetLeftoverFile);
            OTLabel3.SetText(FormatInternetCacheSize(AreaTotal[3], decimal));
            break;
        case 4:
            HistoryHasEntries = false;
            if (auto folder = SpecialFolderPath(CSIDL_HISTORY)) m_GetSize(4, *folder);
            if (!HistoryHasEntries) AreaTotal[4] = 0;
            OTLabel4.SetText(FormatSize(AreaTotal[4], decimal));
            break;
        case 5:
            if (auto folder = SpecialFolderPath(CSIDL_RECENT)) m_GetSize(5, *folder);
            OTLabel5.SetText(FormatSize(AreaTotal[5], decimal));
            break;
        case 6:
            m_GetCookie();
            break;
    }
}
