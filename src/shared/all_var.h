#pragma once
#include <cstdint>
#include <string>
#include <vector>

// State of the program shared by the shell and its pages. GUI thread only.
enum ScanStateValue { Idle = 0, Scanning = 1, Paused = 2 };

extern int ScanState;
extern int CurrentPage;   // 1 Drive Clean, 2 Options, 3 Other Clean
extern bool WindowReady;  // the window may be dragged and resized by its edges

extern int32_t TotalFileCount;
extern int32_t SelectedFileCount;
extern int64_t TotalBytes;
extern int64_t SelectedBytes;

// Scan inputs, rebuilt from the page controls at every scan start.
extern std::vector<std::string> ScanDriveList;    // "C:"
extern std::vector<std::string> ExcludePathList;  // folder patterns
extern std::vector<std::string> IncludeMaskList;
extern std::vector<std::string> ExcludeMaskList;
extern std::string ScanOptionFlags;  // five "0"/"1": read-only, system, hidden, zero-byte, recycle
