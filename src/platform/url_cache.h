#pragma once
#include <functional>
#include <string>

// The platform's URL cache (downloaded web content and cookies).
struct UrlCacheEntry {
    std::string sourceUrl;
    unsigned long type = 0;  // CacheEntryType flags, e.g. COOKIE_CACHE_ENTRY
};

// Visits every entry once. The walk ends at the end of the list and on any error other than a too
// small buffer, so it can never spin on a failing request.
void WalkUrlCache(const std::function<void(const UrlCacheEntry&)>& visit);

// Removes one entry by its source URL; false when it could not be removed.
bool RemoveUrlCacheEntry(const std::string& sourceUrl);
