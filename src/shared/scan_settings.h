#pragma once
#include <string>
#include <vector>

// What the Options page hands the scan when it starts: its lists and option flags as they stand.
struct ScanSettings {
    std::vector<std::string> excludePaths;  // every row of the exclude-path list
    std::vector<std::string> includeMasks;  // the ticked masks of the file-type list
    std::vector<std::string> excludeMasks;  // the ticked masks of the exclude-file list
    std::string optionFlags;                // five "0"/"1": read-only, system, hidden, zero-byte, recycle
};
