#include "platform/drives.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/text.h"

bool IsFixedOrRemovableDrive(const std::string& root) {
    UINT type = GetDriveTypeW(Widen(root).c_str());
    return type == DRIVE_FIXED || type == DRIVE_REMOVABLE;
}

std::string DriveDisplayName(const std::string& root) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(Widen(root).c_str(), 0, &info, sizeof(info), SHGFI_DISPLAYNAME)) return {};
    return Narrow(info.szDisplayName);
}

std::optional<DriveSpace> QueryDriveSpace(const std::string& root) {
    ULARGE_INTEGER available{}, total{};
    if (!GetDiskFreeSpaceExW(Widen(root).c_str(), &available, &total, nullptr)) return std::nullopt;
    return DriveSpace{available.QuadPart, total.QuadPart};
}
