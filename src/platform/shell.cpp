#include "platform/shell.h"

#include <windows.h>
#include <shellapi.h>

void ShellDeleteFiles(const std::wstring& list, bool toRecycleBin) {
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = list.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
    if (toRecycleBin) op.fFlags |= FOF_ALLOWUNDO;
    SHFileOperationW(&op);
}
