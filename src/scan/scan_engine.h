#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

// The walk of the Drive Clean scan. It reads its inputs (ExcludePathList, IncludeMaskList,
// ExcludeMaskList, ScanOptionFlags) and ScanState from the shared state and reports through callbacks,
// so the window and the benchmarks drive the same code.
struct ScanCallbacks {
    std::function<void()> pump;                                   // lets pending messages run
    std::function<void()> waitWhilePaused;                        // one wait step of a paused walk
    std::function<void(const std::wstring& folder)> enterFolder;  // folder with its trailing "\"
    std::function<void(const WIN32_FIND_DATAW& entry, const std::wstring& folder)> addFoundFile;
};

// Walks a folder ("D:\" or "D:\X\") depth-first: all its files first, then each subfolder in
// enumeration order. Only one enumeration is open at a time, and the walk keeps its own stack, so
// neither handles nor the call stack grow with the depth. Links are never entered nor listed.
void ScanFolder(const std::wstring& folder, const ScanCallbacks& callbacks);

// A folder entry other than "." and "..". The walks of the Other Clean page use the same test.
bool IsSubfolder(const WIN32_FIND_DATAW& entry);

// Pattern tests against the shared lists, names and paths in UTF-8; "." and ".." never match.
bool IsExcludedPath(std::string_view folderPath);
bool IsExcludedName(std::string_view name);
bool IsIncludedName(std::string_view name);
