#pragma once
#include <windows.h>

#include <string>

#include "scan/scan_rows.h"

// Writes the rows, in their present order, as the CSV file of the results list. On failure the file
// is removed, whatever had been written of it, and error holds the system's error code.
bool WriteScanExport(const ScanRows& rows, const std::wstring& path, DWORD& error);

// The system's text for an error code, without its line break: "Access denied."
std::string SystemErrorText(DWORD error);
