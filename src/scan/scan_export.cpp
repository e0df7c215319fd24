#include "scan/scan_export.h"

#include <vector>

#include "platform/text.h"
#include "scan/core/scan_csv.h"

namespace {
// Lines are gathered into pieces of about this size before each write: few system calls, and a million
// rows never sit in memory as one text.
constexpr size_t kPieceBytes = 1 << 20;

bool WritePiece(HANDLE file, std::string& piece) {
    DWORD written = 0;
    const bool ok =
        WriteFile(file, piece.data(), DWORD(piece.size()), &written, nullptr) && written == piece.size();
    piece.clear();
    return ok;
}
}  // namespace

bool WriteScanExport(const ScanRows& rows, const std::wstring& path, DWORD& error) {
    // Windows refuses to replace a read-only file, but a process with backup rights is not stopped (root
    // under Wine); the user's mark is respected either way.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        error = ERROR_ACCESS_DENIED;
        return false;
    }
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return false;
    }
    // Rows share their folders: each folder is converted once, when a row first needs it.
    std::vector<std::string> folders(rows.folders.size());
    std::vector<bool> converted(rows.folders.size(), false);
    std::string piece = ScanCsvHead(), name;
    piece.reserve(kPieceBytes + 4096);
    bool ok = true;
    for (const ScanRow& row : rows.rows) {
        if (!converted[row.folder]) {
            folders[row.folder] = Narrow(rows.folders[row.folder]);
            converted[row.folder] = true;
        }
        name.clear();
        AppendNarrow(row.name.c_str(), name);
        AppendScanCsvLine(
            piece, {.ticked = row.ticked, .name = name, .folder = folders[row.folder], .size = row.size});
        if (piece.size() >= kPieceBytes && !(ok = WritePiece(file, piece))) break;
    }
    if (ok && !piece.empty()) ok = WritePiece(file, piece);
    if (!ok) error = GetLastError();
    CloseHandle(file);
    if (!ok) DeleteFileW(path.c_str());
    return ok;
}

std::string SystemErrorText(DWORD error) {
    std::string message = SystemMessageText(error);
    if (message.empty()) return "error " + std::to_string(error);
    return message;
}
