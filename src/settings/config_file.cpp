#include "settings/config_file.h"

#include "platform/app_paths.h"
#include "platform/text.h"
#include "platform/whole_file.h"
#include "settings/core/ini_text.h"

namespace {
const AnsiCodePage kAnsiCodePage{ToAnsi, FromAnsi};

std::wstring ConfigPath(const std::string& fileName) { return Widen(ExeFolder() + fileName); }
}  // namespace

std::string ReadConfigValue(const std::string& fileName, const std::string& section, const std::string& key) {
    return ReadConfigValueIfReadable(fileName, section, key).value_or("");
}

std::optional<std::string> ReadConfigValueIfReadable(const std::string& fileName, const std::string& section,
                                                     const std::string& key) {
    std::string bytes;
    if (!ReadWholeFile(ConfigPath(fileName), bytes)) return std::nullopt;
    return IniReadText(bytes, section, key, kAnsiCodePage);
}

bool WriteConfigValue(const std::string& fileName, const std::string& section, const std::string& key,
                      const std::string& value) {
    return WriteConfigValues(fileName, section, {{key, value}});
}

bool WriteConfigValues(const std::string& fileName, const std::string& section,
                       const std::vector<std::pair<std::string, std::string>>& keyValues) {
    const std::wstring path = ConfigPath(fileName);
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return false;
    const std::optional<std::string> updated = IniWriteTexts(bytes, section, keyValues, kAnsiCodePage);
    return updated && ReplaceWholeFile(path, *updated);
}

bool ConfigCanHold(const std::string& fileName, const std::string& text) {
    std::string bytes;
    ReadWholeFile(ConfigPath(fileName), bytes);
    return IniEncodingCanHold(IniEncodingOf(bytes), text, kAnsiCodePage);
}
