#include "otherclean/history_index_file.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "otherclean/core/history_index.h"
#include "platform/file_tree.h"
#include "platform/text.h"

namespace {
constexpr DWORD kChunk = 1 << 16;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE OpenIndex(const std::string& path, DWORD access) {
    return CreateFileW(ExtendedLengthPath(Widen(path)).c_str(), access, kShareAll, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool SeekPastHeader(HANDLE file, LONGLONG& size) {
    LARGE_INTEGER length{}, at{};
    at.QuadPart = LONGLONG(kHistoryHeaderSize);
    if (!GetFileSizeEx(file, &length)) return false;
    size = length.QuadPart;
    return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != FALSE;
}
}  // namespace

bool IsHistoryIndexEmpty(const std::string& path) {
    HANDLE file = OpenIndex(path, GENERIC_READ);
    if (file == INVALID_HANDLE_VALUE) return true;
    LONGLONG size = 0;
    bool empty = SeekPastHeader(file, size);
    if (empty && size > LONGLONG(kHistoryHeaderSize)) {
        std::vector<char> chunk(kChunk);
        DWORD got = 0;
        while (empty && ReadFile(file, chunk.data(), kChunk, &got, nullptr) && got > 0)
            empty = std::all_of(chunk.begin(), chunk.begin() + got, [](char c) { return c == '\0'; });
    }
    CloseHandle(file);
    return empty;
}

void WipeHistoryIndex(const std::string& path) {
    HANDLE file = OpenIndex(path, GENERIC_READ | GENERIC_WRITE);
    if (file == INVALID_HANDLE_VALUE) return;
    LONGLONG size = 0;
    if (SeekPastHeader(file, size)) {
        const std::vector<char> zeros(kChunk, '\0');
        for (LONGLONG left = size - LONGLONG(kHistoryHeaderSize); left > 0;) {
            DWORD part = DWORD(std::min<LONGLONG>(left, kChunk)), written = 0;
            if (!WriteFile(file, zeros.data(), part, &written, nullptr) || written == 0) break;
            left -= written;
        }
    }
    CloseHandle(file);
}
