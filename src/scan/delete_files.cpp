#include "app/all_var.h"
#include "app/form_main.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/message_pump.h"
#include "platform/shell.h"
#include "widgets/busy_cursor.h"

namespace {
// The shell takes paths up to MAX_PATH - 1 characters; longer ones are deleted by the program itself.
constexpr size_t kShellPathLimit = MAX_PATH - 1;

// A ticked file is deleted only when it is still the file the scan listed: still there, still a plain
// file (not a folder, not a link), with the same size and last-write time. Anything else the user
// never saw, and it stays.
bool StillAsScanned(const std::wstring& path, const ScanRow& row) {
    FileFacts now;
    if (!ReadFileFacts(path, now)) return false;
    if (now.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) return false;
    return now.size == row.size && now.lastWrite == row.lastWrite;
}
}  // namespace

void TFormMain::suiButtonDeleteClick() {
    if (longWorkRunning) return;
    bool anyTicked = false;
    for (const ScanRow& r : scanRows.rows) anyTicked |= r.ticked;
    if (!anyTicked) {
        ShowMessageBox(hwnd, "Please select file first!", kAppTitle, MB_OK | MB_ICONWARNING);
        return;
    }
    if (ShowMessageBox(hwnd, "Delete all selected files?", kAppTitle, MB_OKCANCEL | MB_ICONINFORMATION) !=
        IDOK)
        return;
    longWorkRunning = true;
    const bool toRecycleBin = gRadioRecycle.Checked();
    SetBusyCursor(true);
    suiPanelDeling.Show(true);
    UpdateWindow(hwnd);
    ProcessMessages();

    std::wstring shellList;
    for (const ScanRow& r : scanRows.rows) {
        if (!r.ticked) continue;
        std::wstring path = scanRows.FullPath(r);
        if (!StillAsScanned(path, r)) continue;
        if (path.size() <= kShellPathLimit) {
            shellList.append(path).push_back(L'\0');
        } else if (!toRecycleBin) {
            DeleteFileAnyLength(path);
        }
        // A path too long for the shell in Recycle Bin mode stays: deleting it for good would break the
        // promise that it can be restored.
    }
    if (!shellList.empty()) {
        shellList.push_back(L'\0');
        ShellDeleteFiles(shellList, toRecycleBin);
    }

    suiPanelDeling.Show(false);
    SetBusyCursor(false);
    longWorkRunning = false;
    if (closeRequested) {
        DestroyWindow(hwnd);
        return;
    }
    m_SetMenuLabel(LeftMenu1, kSelect);
}

void TFormMain::suiButtonBackClick() {
    ScanState = Idle;
    m_SetMenuLabel(LeftMenu1, kSelect);
}
