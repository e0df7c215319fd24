#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "shared/core/general_options.h"

// The wildcard test of file masks ("*.tmp", "~*.*") and excluded-folder patterns ("?:\win*\temp").
// Works on bytes and folds only the ASCII letters A-Z. It differs from a shell glob on purpose:
// the last star stands for at least one character, between two stars '?' is an ordinary byte, and
// a mask holding two adjacent stars matches nothing. An empty name or mask never matches.
bool MatchMask(std::string_view name, std::string_view mask);

// True when some pattern of the list matches; "." and ".." never match.
bool MatchesAnyMask(std::string_view name, const std::vector<std::string>& masks);

// True for the directory entries "." and "..", which are neither subfolders nor files.
bool IsDotName(std::string_view name);

// Whether the scan leaves a file out because of its attributes: a read-only, system or hidden file is
// listed only while its option is on.
bool IsSkippedByAttributes(bool readOnly, bool system, bool hidden, const GeneralOptions& options);
