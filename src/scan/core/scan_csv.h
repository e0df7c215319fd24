#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The results list written out as CSV for a spreadsheet or a record of what was deleted: UTF-8 with a
// byte-order mark (without one, spreadsheet programs read the bytes in the ANSI code page and CJK names
// turn to noise), one header line, then one line per row; fields are quoted as RFC 4180 says and lines
// end in CR LF.

struct ScanCsvRow {
    bool ticked = false;
    std::string_view name, folder;  // UTF-8; the folder as the list shows it, ending in "\"
    int64_t size = 0;
};

// The byte-order mark and the header line.
std::string ScanCsvHead();
void AppendScanCsvLine(std::string& out, const ScanCsvRow& row);
// A field as it is, or in double quotes with its quotes doubled when it holds a comma, a quote, CR or LF.
void AppendCsvField(std::string& out, std::string_view field);

// The name the Save As dialog offers: "Kestrune scan 2026-12-09.csv".
std::string ScanCsvFileName(int year, int month, int day);
