#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Config.ini and its siblings in the executable's folder, read and written as the system's profile functions
// do (settings/core/ini_file.h, settings/core/ini_text.h): in the file's own form, ANSI, UTF-8 or UTF-16.
// Values are UTF-8 here. A missing file, section or key reads as "".
std::string ReadConfigValue(const std::string& fileName, const std::string& section, const std::string& key);

// The same, but nullopt when the file is there and cannot be read (held open without sharing by another
// program, a read error): for a value whose absence would widen what the program deletes.
std::optional<std::string> ReadConfigValueIfReadable(const std::string& fileName, const std::string& section,
                                                     const std::string& key);

// Sets one key; false when the file cannot be written or the value cannot be stored as given.
bool WriteConfigValue(const std::string& fileName, const std::string& section, const std::string& key,
                      const std::string& value);

// Sets several keys in one replacement of the file (platform/whole_file.h): a failed or interrupted save
// leaves the old file whole, and the file keeps its form, its attributes and any link to it.
bool WriteConfigValues(const std::string& fileName, const std::string& section,
                       const std::vector<std::pair<std::string, std::string>>& keyValues);

// Whether the file, in its present form (ANSI for a file yet to be made), can store the text exactly.
bool ConfigCanHold(const std::string& fileName, const std::string& text);
