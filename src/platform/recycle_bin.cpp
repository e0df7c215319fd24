#include "platform/recycle_bin.h"

#include <windows.h>
#include <shellapi.h>

int64_t RecycleBinBytesOfFixedDrives() {
    int64_t total = 0;
    wchar_t root[] = L"A:\\";
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        root[0] = letter;
        if (GetDriveTypeW(root) != DRIVE_FIXED) continue;
        SHQUERYRBINFO info{};
        info.cbSize = sizeof(info);
        if (SUCCEEDED(SHQueryRecycleBinW(root, &info))) total += info.i64Size;
    }
    return total;
}
