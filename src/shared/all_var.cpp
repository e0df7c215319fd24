#include "shared/all_var.h"

int ScanState = Idle;
int CurrentPage = 1;
bool WindowReady = false;
int32_t TotalFileCount = 0;
int32_t SelectedFileCount = 0;
int64_t TotalBytes = 0;
int64_t SelectedBytes = 0;
std::vector<std::string> ScanDriveList;
std::vector<std::string> ExcludePathList;
std::vector<std::string> IncludeMaskList;
std::vector<std::string> ExcludeMaskList;
std::string ScanOptionFlags;
