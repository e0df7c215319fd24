#include "scan/core/scan_csv.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

namespace {
std::string ReadExpected(const std::string& name) {
    std::ifstream in(std::string(KDC_TEST_SOURCE_DIR) + "/scan/core/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Export(std::initializer_list<ScanCsvRow> rows) {
    std::string out = ScanCsvHead();
    for (const ScanCsvRow& row : rows) AppendScanCsvLine(out, row);
    return out;
}
}  // namespace

TEST(ScanCsv, RowsOfEveryKindMatchTheExpectedFile) {
    const std::string expected = ReadExpected("scan_csv_expected.csv");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Export({
                  {true, "report.tmp", "C:\\Users\\李雷\\AppData\\Local\\Temp\\", 0},
                  {false, "临时文件.tmp", "D:\\资料\\", 2100000},
                  {true, "party 🎉.tmp", "D:\\", 5300},
                  {true, "a,b.tmp", "D:\\x,y\\", 3000000000LL},
                  {false, "say \"hi\".tmp", "D:\\", 7},
                  {true, "line1\nline2.tmp", "D:\\new\r\nfolder\\", std::numeric_limits<int64_t>::max()},
                  {false, "\"", "D:\\", 1},
              }),
              expected);
}

TEST(ScanCsv, AnEmptyListIsTheMarkAndTheHeader) {
    EXPECT_EQ(Export({}),
              "\xEF\xBB\xBF"
              "Ticked,Name,Folder,Size (bytes)\r\n");
}

TEST(ScanCsv, FileNameCarriesTheDate) {
    EXPECT_EQ(ScanCsvFileName(2026, 12, 9), "Kestrune scan 2026-12-09.csv");
    EXPECT_EQ(ScanCsvFileName(987, 1, 31), "Kestrune scan 0987-01-31.csv");
}
