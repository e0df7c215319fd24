#include "platform/filesystem.h"

#include <optional>
#include <vector>

HANDLE OpenFolderEnumeration(const std::wstring& folder, WIN32_FIND_DATAW& entry) {
    std::wstring pattern = ExtendedLengthPath(folder) + L"*";
    return FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                            FIND_FIRST_EX_LARGE_FETCH);
}

HANDLE OpenEntry(const std::wstring& path, DWORD access, DWORD share) {
    return CreateFileW(ExtendedLengthPath(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                       FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool LastOpenMetPendingDeletion() {
    constexpr LONG kStatusDeletePending = LONG(0xC0000056);
    using LastNtStatus = LONG(WINAPI*)();
    static const auto lastStatus = reinterpret_cast<LastNtStatus>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetLastNtStatus")));
    return lastStatus && lastStatus() == kStatusDeletePending;
}

NamePresence LookUpName(const std::wstring& path) {
    struct NtName {
        USHORT length, maximumLength;
        const wchar_t* buffer;
    };
    struct NtAttributes {
        ULONG length;
        HANDLE rootDirectory;
        const NtName* objectName;
        ULONG attributes;
        void* securityDescriptor;
        void* securityQualityOfService;
    };
    struct NtBasicInformation {
        LARGE_INTEGER creation, lastAccess, lastWrite, change;
        ULONG attributes;
    };
    using QueryAttributes = LONG(NTAPI*)(const NtAttributes*, NtBasicInformation*);
    static const auto query = reinterpret_cast<QueryAttributes>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryAttributesFile")));
    constexpr LONG kNameNotFound = LONG(0xC0000034), kPathNotFound = LONG(0xC000003A);
    constexpr ULONG kCaseInsensitive = 0x40;
    std::wstring nt = ExtendedLengthPath(path);
    if (!query || nt.compare(0, 4, L"\\\\?\\") != 0 || nt.size() * sizeof(wchar_t) > 0xFFFE)
        return NamePresence::kUnknown;
    nt[1] = L'?';  // "\\?\C:\..." as the system's own "\??\C:\..."
    const NtName name{USHORT(nt.size() * sizeof(wchar_t)), USHORT(nt.size() * sizeof(wchar_t)), nt.c_str()};
    const NtAttributes attributes{sizeof(NtAttributes), nullptr, &name, kCaseInsensitive, nullptr, nullptr};
    NtBasicInformation info{};
    const LONG status = query(&attributes, &info);
    if (status >= 0) return NamePresence::kPresent;
    return status == kNameNotFound || status == kPathNotFound ? NamePresence::kGone : NamePresence::kUnknown;
}

namespace {
// Whether the entry's security grants this process's user the access; nullopt when it cannot be told.
std::optional<bool> Grants(const std::wstring& path, DWORD access) {
    const SECURITY_INFORMATION parts =
        OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    const std::wstring api = ExtendedLengthPath(path);
    DWORD size = 0;
    GetFileSecurityW(api.c_str(), parts, nullptr, 0, &size);
    if (!size) return std::nullopt;
    std::vector<char> descriptor(size);
    if (!GetFileSecurityW(api.c_str(), parts, descriptor.data(), size, &size)) return std::nullopt;
    HANDLE token = nullptr, impersonation = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_QUERY, &token)) return std::nullopt;
    const BOOL duplicated = DuplicateToken(token, SecurityImpersonation, &impersonation);
    CloseHandle(token);
    if (!duplicated) return std::nullopt;
    GENERIC_MAPPING mapping{FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE, FILE_ALL_ACCESS};
    PRIVILEGE_SET privileges{};
    DWORD privilegesSize = sizeof privileges, granted = 0;
    BOOL allowed = FALSE;
    const BOOL checked = AccessCheck(descriptor.data(), impersonation, access, &mapping, &privileges,
                                     &privilegesSize, &granted, &allowed);
    CloseHandle(impersonation);
    if (!checked) return std::nullopt;
    return allowed != FALSE;
}
}  // namespace

bool SecurityForbidsDeleting(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos) return false;
    const std::wstring folder = path.substr(0, slash == 2 ? 3 : slash);  // "D:\" for a drive's root
    return Grants(path, DELETE) == false || Grants(folder, FILE_DELETE_CHILD) == false;
}
