#pragma once
#include <windows.h>
#include <shlobj.h>
#include <wininet.h>

#include <functional>
#include <string>
#include <vector>

#include "otherclean/form_clean.h"
#include "otherclean/form_cookie.h"
#include "platform/file_tree.h"
#include "platform/known_folders.h"
#include "platform/text.h"
#include "platform/url_cache.h"
#include "shared/all_var.h"
#include "support/main_window.h"

// Populates the test prefix's system areas for real and drives the Other Clean page and its dialogs.
namespace otherclean_test {

inline std::string AreaFolder(int csidl) { return SpecialFolderPath(csidl).value() + "\\"; }
inline std::string TempFolder() { return TempFolderPath(); }
inline std::string InternetCache() { return AreaFolder(CSIDL_INTERNET_CACHE); }
inline std::string HistoryFolder() { return AreaFolder(CSIDL_HISTORY); }
inline std::string RecentFolder() { return AreaFolder(CSIDL_RECENT); }
inline std::string SentinelFolder() { return "C:\\sentinel\\"; }

inline void MakeFolders(const std::string& folder) {
    SHCreateDirectoryExW(nullptr, Widen(folder).c_str(), nullptr);
}

inline void WriteBytes(const std::string& path, size_t size, char fill = 'x') {
    size_t slash = path.find_last_of('\\');
    MakeFolders(path.substr(0, slash));
    HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes(size, fill);
    DWORD written = 0;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

inline std::string ReadBytes(const std::string& path) {
    HANDLE h = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &got, nullptr) && got) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

// Empties a folder; folder links are left alone (Wine cannot remove them as links).
inline void ClearFolder(const std::string& folder) {
    std::vector<std::wstring> names;
    ForEachFolderEntry(Widen(folder), [&](const WIN32_FIND_DATAW& e) {
        if (!IsDotEntry(e.cFileName) && !IsFolderLink(e.dwFileAttributes)) names.emplace_back(e.cFileName);
    });
    for (const std::wstring& name : names) DeleteLinkSafe(Widen(folder) + name);
}

// Bytes of every file in a tree, links not entered: what the area already held before a test.
inline int64_t TreeBytes(const std::string& folder) {
    int64_t total = 0;
    std::vector<std::string> subfolders;
    ForEachFolderEntry(Widen(folder), [&](const WIN32_FIND_DATAW& e) {
        if (IsWalkableFolder(e))
            subfolders.push_back(folder + Narrow(e.cFileName) + "\\");
        else
            total += int64_t(e.nFileSizeHigh) << 32 | e.nFileSizeLow;
    });
    for (const std::string& sub : subfolders) total += TreeBytes(sub);
    return total;
}

// Another program's handle that lets others read the file but not write it.
class HeldForReading {
  public:
    explicit HeldForReading(const std::string& path)
        : h_(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                         nullptr)) {}
    ~HeldForReading() { CloseHandle(h_); }
    bool held() const { return h_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE h_;
};

// Another program's handle that shares the file with no one: nobody else can open it at all.
class HeldExclusively {
  public:
    explicit HeldExclusively(const std::string& path)
        : h_(CreateFileW(Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                         nullptr)) {}
    ~HeldExclusively() { CloseHandle(h_); }
    bool held() const { return h_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE h_;
};

inline std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    ForEachFolderEntry(Widen(folder), [&](const WIN32_FIND_DATAW& e) {
        if (!IsDotEntry(e.cFileName)) names.push_back(Narrow(e.cFileName));
    });
    return names;
}

inline void SetCookie(const std::string& url, const std::string& name) {
    InternetSetCookieW(Widen(url).c_str(), Widen(name).c_str(), L"v; expires=Sat, 01-Jan-2050 00:00:00 GMT");
}

inline std::vector<std::string> CookieUrls() {
    std::vector<std::string> urls;
    WalkUrlCache([&](const UrlCacheEntry& e) {
        if (e.type & COOKIE_CACHE_ENTRY) urls.push_back(e.sourceUrl);
    });
    return urls;
}

inline void ClearCookies() {
    for (const std::string& url : CookieUrls()) RemoveUrlCacheEntry(url);
}

inline std::string ConfigPath() { return TestExeFolder() + "Config.ini"; }

// Empties the areas a test fills, and forgets leftovers and the keep list.
inline void ResetOtherCleanAreas() {
    ClearFolder(TempFolder());
    ClearFolder(HistoryFolder());
    ClearFolder(RecentFolder());
    ClearCookies();
    RemoveFile(TestExeFolder() + "Diskclean1.dat");
    RemoveFile(TestExeFolder() + "Diskclean2.dat");
    RemoveFile(ConfigPath());
}

// Runs poll from the modal loop of a dialog every 20 ms until it returns true (or 60 s have passed).
class WhileModal {
  public:
    explicit WhileModal(std::function<bool()> poll) {
        Poll() = std::move(poll);
        Deadline() = GetTickCount() + 60000;
        id_ = SetTimer(nullptr, 0, 20, Tick);
    }
    ~WhileModal() {
        KillTimer(nullptr, id_);
        Poll() = nullptr;
    }

  private:
    static std::function<bool()>& Poll() {
        static std::function<bool()> poll;
        return poll;
    }
    static DWORD& Deadline() {
        static DWORD deadline;
        return deadline;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!Poll()) return;
        if (GetTickCount() > Deadline()) {
            ADD_FAILURE() << "the dialog did not finish in time";
            if (OpenForm<TformClean>()) OpenForm<TformClean>()->CloseModal(0);
            if (OpenForm<TformCookie>()) OpenForm<TformCookie>()->CloseModal(0);
            Poll() = nullptr;
            return;
        }
        auto poll = Poll();
        if (poll()) Poll() = nullptr;
    }
    UINT_PTR id_;
};

// Records every text the cleaning dialog's status line shows, as it is set.
class StatusRecorder {
  public:
    StatusRecorder() {
        Texts().clear();
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
    }
    ~StatusRecorder() { UnhookWindowsHookEx(hook_); }
    const std::vector<std::string>& texts() const { return Texts(); }

  private:
    static std::vector<std::string>& Texts() {
        static std::vector<std::string> texts;
        return texts;
    }
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
        auto* call = reinterpret_cast<CWPSTRUCT*>(lp);
        if (code == HC_ACTION && call->message == WM_SETTEXT && OpenForm<TformClean>() &&
            call->hwnd == OpenForm<TformClean>()->Label1.hwnd)
            Texts().push_back(Narrow(reinterpret_cast<const wchar_t*>(call->lParam)));
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    HHOOK hook_;
};

}  // namespace otherclean_test
