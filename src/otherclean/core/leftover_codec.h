#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The leftover lists Diskclean1.dat and Diskclean2.dat: the files a cleaning run could not delete.
// A list text is each full path followed by kLeftoverSeparator, then kLeftoverTerminator. On disk the
// text is scrambled byte by byte and padded with '*' to a fixed size, so a file never grows.

constexpr size_t kLeftoverFileSize = 32768;
// The longest text that is stored; a longer one leaves the file all '*', which reads as an empty list.
constexpr size_t kLeftoverMaxText = 32766;
// Byte i of the text is stored as byte + kLeftoverOffsetBase + i % kLeftoverOffsetCycle (mod 256).
// Writer and reader must agree on the base; existing files depend on it, so it never changes.
constexpr unsigned kLeftoverOffsetBase = 7;
constexpr unsigned kLeftoverOffsetCycle = 21;

constexpr std::string_view kLeftoverSeparator = "!?!";
constexpr std::string_view kLeftoverTerminator = "@?@!@";

// One list entry: the path followed by the separator.
std::string LeftoverEntry(std::string_view path);

// The file contents for a list text that already ends in the terminator: always kLeftoverFileSize bytes.
std::string EncodeLeftoverFile(std::string_view listText);

// The list text before the terminator, or "" when the file is too long, the text stops at a NUL
// before any terminator, or there is no terminator at all.
std::string DecodeLeftoverFile(std::string_view fileBytes);

// The entries of a decoded text; a rest without a separator is dropped.
std::vector<std::string> SplitLeftoverEntries(std::string_view text);
