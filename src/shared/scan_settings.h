#pragma once
#include <string>
#include <vector>

#include "shared/core/general_options.h"

// Everything a scan walks and matches by, taken from the Drive Clean and Options pages when it starts
// and handed to the scan engine.
struct ScanSettings {
    std::vector<std::string> drives;        // the ticked drives, "C:", in list order
    std::vector<std::string> excludePaths;  // every row of the exclude-path list
    std::vector<std::string> includeMasks;  // the ticked masks of the file-type list
    std::vector<std::string> excludeMasks;  // the ticked masks of the exclude-file list
    GeneralOptions general;                 // the option boxes and the delete mode
};
