#pragma once
#include <string_view>

// The shell's file operations parse plain paths: Win32 drops a trailing dot or blank from every
// name, treats a last name "con", "aux", "nul", "prn", "com1".."com9" or "lpt1".."lpt9" (with any
// extension) as a device, cannot hold the characters < > : " / \ | ? * or control characters in a name, and
// stops at 259 characters. A path that breaks any of these rules can reach another file, or none, through the
// shell; only the program's own handle-based deletion reaches it exactly.
enum class ShellPathProblem {
    kNone,
    kName,     // some name in the path is rewritten or refused by Win32 path parsing
    kTooLong,  // longer than the shell takes
};

// The longest path, in UTF-16 units, that the shell takes.
inline constexpr size_t kShellPathLimit = 259;

// path is a full local path such as "C:\Folder\name.tmp".
ShellPathProblem ShellPathProblemOf(std::wstring_view path);

// A listing can return names that no Win32 path addresses: "\\" or "/" inside a name (drives backed by
// another file system), or U+FFFD where the file system could not convert a name's bytes, so that
// several files may read alike. Such a name is never handed to a delete call. name is one name, or
// several joined by "\\" when "\\" is known to separate them (a folder the scan went through).
bool HoldsUnreachableCharacter(std::wstring_view name, bool backslashSeparates = false);
