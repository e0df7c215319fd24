#include "otherclean/leftover_file.h"

#include <windows.h>

#include "otherclean/core/leftover_codec.h"
#include "platform/text.h"

void WriteLeftoverFile(const std::string& path, const std::string& text) {
    std::string ansi;
    if (!ToAnsi(text, ansi)) ansi.clear();  // stored as an empty list, never as other paths
    const std::string bytes = EncodeLeftoverFile(ansi);
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadLeftoverFile(const std::string& path) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    LARGE_INTEGER size{};
    std::string bytes;
    if (GetFileSizeEx(file, &size) && size.QuadPart <= LONGLONG(kLeftoverFileSize)) {
        bytes.resize(size_t(size.QuadPart));
        DWORD got = 0;
        if (!ReadFile(file, bytes.data(), DWORD(bytes.size()), &got, nullptr)) got = 0;
        bytes.resize(got);
    } else {
        bytes.assign(kLeftoverFileSize + 1, '*');
    }
    CloseHandle(file);
    return FromAnsi(DecodeLeftoverFile(bytes));
}
