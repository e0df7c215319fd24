#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The drives the scan may walk: local fixed and removable ones, given by their root ("C:\").
bool IsFixedOrRemovableDrive(const std::string& root);
// The shell's display name of a drive root, e.g. "Local Disk (C:)".
std::string DriveDisplayName(const std::string& root);

struct DriveSpace {
    uint64_t freeToCaller = 0;
    uint64_t total = 0;
};
std::optional<DriveSpace> QueryDriveSpace(const std::string& root);
