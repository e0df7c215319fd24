#pragma once
#include <string>

// Six "0"/"1" characters, character k for area k (1 Recycle Bin, 2 temp folder, 3 temporary internet
// files, 4 history, 5 recent documents, 6 cookies), as the start button found the boxes last. The
// cleaning run takes its areas as an argument.
extern std::string OtherCleanFlags;
