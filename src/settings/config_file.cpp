#include "settings/config_file.h"

#include <windows.h>

#include "platform/app_paths.h"
#include "platform/text.h"
#include "settings/core/ini_file.h"

namespace {
bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    // A read that fails part-way reports failure: a save must never write back a file it read only in part.
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(h, buffer, sizeof(buffer), &got, nullptr)) && got > 0) bytes.append(buffer, got);
    CloseHandle(h);
    return ok;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE h =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(h, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    ok = FlushFileBuffers(h) && ok;
    CloseHandle(h);
    return ok;
}
}  // namespace

std::string ReadConfigValue(const std::string& fileName, const std::string& section, const std::string& key) {
    std::string bytes;
    if (!ReadWholeFile(Widen(ExeFolder() + fileName), bytes)) return {};
    std::string ansiSection, ansiKey;
    if (!ToAnsi(section, ansiSection) || !ToAnsi(key, ansiKey)) return {};
    return FromAnsi(IniReadValue(bytes, ansiSection, ansiKey));
}

bool WriteConfigValue(const std::string& fileName, const std::string& section, const std::string& key,
                      const std::string& value) {
    return WriteConfigValues(fileName, section, {{key, value}});
}

bool WriteConfigValues(const std::string& fileName, const std::string& section,
                       const std::vector<std::pair<std::string, std::string>>& keyValues) {
    std::wstring path = Widen(ExeFolder() + fileName);
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;  // the user's read-only mark is respected, as the system's profile writer does
    std::string bytes;
    if (attributes != INVALID_FILE_ATTRIBUTES && !ReadWholeFile(path, bytes)) return false;
    std::string ansiSection;
    if (!ToAnsi(section, ansiSection)) return false;
    for (const auto& [key, value] : keyValues) {
        std::string ansiKey, ansiValue;
        if (!ToAnsi(key, ansiKey) || !ToAnsi(value, ansiValue)) return false;
        if (!IniCanStore(ansiSection, ansiKey, ansiValue)) return false;
        bytes = IniWriteValue(bytes, ansiSection, ansiKey, ansiValue);
    }
    std::wstring temporary = path + L".tmp";
    if (!WriteWholeFile(temporary, bytes)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}
