#include "platform/shell.h"

#include <windows.h>
#include <shellapi.h>

int ShellDeleteFiles(const std::wstring& list, bool toRecycleBin) {
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = list.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
    if (toRecycleBin) op.fFlags |= FOF_ALLOWUNDO;
    int result = SHFileOperationW(&op);
    return result ? result : (op.fAnyOperationsAborted ? ERROR_CANCELLED : 0);
}
