#pragma once
#include <string>

// Six "0"/"1" characters, character k for area k (1 Recycle Bin, 2 temp folder, 3 temporary internet
// files, 4 history, 5 recent documents, 6 cookies). Built by the start button, read by the cleaning run.
extern std::string OtherCleanFlags;
