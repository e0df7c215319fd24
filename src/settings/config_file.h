#pragma once
#include <string>
#include <utility>
#include <vector>

// Config.ini and its siblings in the executable's folder. Values are UTF-8 here and stored in the ANSI
// code page. A missing file, section or key reads as "".
std::string ReadConfigValue(const std::string& fileName, const std::string& section, const std::string& key);

// Sets one key; false when the file cannot be written or the value cannot be stored as given.
bool WriteConfigValue(const std::string& fileName, const std::string& section, const std::string& key,
                      const std::string& value);

// Sets several keys in one replacement of the file: a temporary file beside it is written and flushed,
// then moved over it, so a failed or interrupted save leaves the old file whole.
bool WriteConfigValues(const std::string& fileName, const std::string& section,
                       const std::vector<std::pair<std::string, std::string>>& keyValues);
