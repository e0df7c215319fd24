#include "scan/core/scan_csv.h"

#include <charconv>
#include <cstdio>

namespace {
const char* const kHeader = "Ticked,Name,Folder,Size (bytes)\r\n";
const char* const kTicked = "Yes,";
const char* const kUnticked = "No,";
}  // namespace

// The byte-order mark (U+FEFF, invisible) tells a spreadsheet that the file is UTF-8.
std::string ScanCsvHead() { return std::string("\uFEFF") + kHeader; }

void AppendCsvField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (size_t start = 0;;) {
        size_t quote = field.find('"', start);
        if (quote == std::string_view::npos) {
            out += field.substr(start);
            break;
        }
        out += field.substr(start, quote + 1 - start);
        out += '"';
        start = quote + 1;
    }
    out += '"';
}

void AppendScanCsvLine(std::string& out, const ScanCsvRow& row) {
    out += row.ticked ? kTicked : kUnticked;
    AppendCsvField(out, row.name);
    out += ',';
    AppendCsvField(out, row.folder);
    out += ',';
    char digits[24];
    auto end = std::to_chars(digits, digits + sizeof(digits), row.size).ptr;
    out.append(digits, end);
    out += "\r\n";
}

std::string ScanCsvFileName(int year, int month, int day) {
    char date[32];
    std::snprintf(date, sizeof(date), "%04d-%02d-%02d", year, month, day);
    return std::string("Kestrune scan ") + date + ".csv";
}
