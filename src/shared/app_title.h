#pragma once

// The window's caption and the caption of every message box of the program.
inline const char* const kAppTitle = "Kestrune Disk Cleaner";

// The user guide, in the executable's folder.
inline const char* const kHelpFileName = "Sweepwell.chm";
