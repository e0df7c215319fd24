#pragma once
#include <string_view>

// Whether the path the system reports for an opened file (relative to its volume, such as
// "\Folder\name.tmp") names the file that was listed as listedPath ("D:\Folder\name.tmp"). Names must be
// equal with their case: a lookup that folds case, or an 8.3 alias, can open a neighbour ("case.tmp" for
// a vanished "Case.tmp") and must not pass. Trailing dots and blanks are ignored, as some systems drop
// them when they report a name. Only the listed path's names after the drive are compared, from the
// end, so a drive that maps a folder still matches.
bool FinalPathMatchesListed(std::wstring_view listedPath, std::wstring_view finalPath);
