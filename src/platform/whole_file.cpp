#include "platform/whole_file.h"

#include <windows.h>

namespace {
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// What the temporary file takes over from the file it replaces; read-only files are never replaced.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                  FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The file a path finally names, through any links on the way ("\\?\C:\..."); the path itself when it
// names nothing yet or the system cannot tell.
std::wstring FinalTarget(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return path;
    std::wstring final(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(h, final.data(), DWORD(final.size()), FILE_NAME_NORMALIZED);
    if (length >= final.size()) {
        final.resize(length);
        length = GetFinalPathNameByHandleW(h, final.data(), DWORD(final.size()), FILE_NAME_NORMALIZED);
    }
    CloseHandle(h);
    if (length == 0 || length >= final.size()) return path;
    final.resize(length);
    return final;
}

bool WriteNewFile(const std::wstring& path, std::string_view bytes, DWORD attributes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    ok = FlushFileBuffers(h) && ok;
    CloseHandle(h);
    return ok;
}

// Whether the file can be replaced now. Wine's replace-file, failing on a file that another program holds
// without sharing deletion, leaves a stray temporary file behind; asking first avoids that.
bool CanReplace(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

bool MoveIntoPlace(const std::wstring& temporary, const std::wstring& target, DWORD targetAttributes) {
    if (targetAttributes == INVALID_FILE_ATTRIBUTES)
        return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!CanReplace(target)) return false;
    if (ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                     REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr))
        return true;
    // The replace can fail after removing the old file; then the complete new one is better than none.
    return GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES &&
           MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
}
}  // namespace

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(h, buffer, sizeof(buffer), &got, nullptr)) && got > 0) bytes.append(buffer, got);
    CloseHandle(h);
    return ok;
}

bool ReplaceWholeFile(const std::wstring& path, std::string_view bytes) {
    const std::wstring target = FinalTarget(path);
    // Left by a save that was cut short; it may carry any attributes the target had. Gone after any save.
    const std::wstring temporary = target + L".tmp";
    SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(temporary.c_str());
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;  // the user's read-only mark is respected, as the system's profile writer does
    const DWORD kept = attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes & kKeptAttributes;

    if (!WriteNewFile(temporary, bytes, kept ? kept : FILE_ATTRIBUTE_NORMAL) ||
        !MoveIntoPlace(temporary, target, attributes)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}
