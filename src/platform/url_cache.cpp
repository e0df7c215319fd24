#include "platform/url_cache.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

#include "platform/text.h"

namespace {
// Fetches one entry into buffer: first asks for its size, then reads it. A buffer that became too
// small in between (the entry grew) is retried a few times, never endlessly.
template <typename Request>
bool FetchEntry(std::vector<char>& buffer, Request request) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = DWORD(buffer.size());
        if (request(buffer.empty() ? nullptr : reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data()),
                    &size))
            return !buffer.empty();
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return false;
        buffer.assign(size, 0);
    }
    return false;
}

void Visit(const std::vector<char>& buffer, const std::function<void(const UrlCacheEntry&)>& visit) {
    auto* info = reinterpret_cast<const INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
    UrlCacheEntry entry;
    if (info->lpszSourceUrlName) entry.sourceUrl = Narrow(info->lpszSourceUrlName);
    entry.type = info->CacheEntryType;
    visit(entry);
}
}  // namespace

void WalkUrlCache(const std::function<void(const UrlCacheEntry&)>& visit) {
    std::vector<char> buffer;
    HANDLE find = nullptr;
    bool fetched = FetchEntry(buffer, [&](INTERNET_CACHE_ENTRY_INFOW* info, DWORD* size) {
        find = FindFirstUrlCacheEntryW(nullptr, info, size);
        return find != nullptr;
    });
    while (fetched) {
        Visit(buffer, visit);
        buffer.clear();
        fetched = FetchEntry(buffer, [&](INTERNET_CACHE_ENTRY_INFOW* info, DWORD* size) {
            return FindNextUrlCacheEntryW(find, info, size) != FALSE;
        });
    }
    if (find) FindCloseUrlCache(find);
}

bool RemoveUrlCacheEntry(const std::string& sourceUrl) {
    return DeleteUrlCacheEntryW(Widen(sourceUrl).c_str()) != FALSE;
}
