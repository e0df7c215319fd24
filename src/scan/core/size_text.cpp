#include "scan/core/size_text.h"

#include <charconv>

namespace {

std::string WithSeparator(const char* first, const char* last, char decimalSeparator) {
    std::string text(first, last);
    for (char& c : text) {
        if (c == '.') c = decimalSeparator;
    }
    return text;
}

// v / divisor, rounded to single precision, with exactly two decimals. to_chars keeps the text
// independent of the C locale; the largest value (INT64_MAX / 1024) needs 17 digits before the point.
std::string TwoDecimals(int64_t v, double divisor, const char* unit, char decimalSeparator) {
    const float value = static_cast<float>(static_cast<double>(v) / divisor);
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value), std::chars_format::fixed, 2);
    return WithSeparator(buf, res.ptr, decimalSeparator) + unit;
}

std::string PlainBytes(int64_t v, char decimalSeparator) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<float>(v));
    return WithSeparator(buf, res.ptr, decimalSeparator) + " Byte(s)";
}

constexpr int64_t kKilo = 1024;
constexpr int64_t kMega = 1024 * 1024;

}  // namespace

std::string FormatSize(int64_t bytes, char decimalSeparator) {
    if (bytes >= kMega) return TwoDecimals(bytes, double(kMega), " MB", decimalSeparator);
    if (bytes >= kKilo) return TwoDecimals(bytes, double(kKilo), " KB", decimalSeparator);
    return PlainBytes(bytes, decimalSeparator);
}

std::string FormatInternetCacheSize(int64_t bytes, char decimalSeparator) {
    if (bytes <= kKilo) return PlainBytes(bytes, decimalSeparator);
    return FormatSize(bytes, decimalSeparator);
}

std::string FormatCookieKilobytes(int64_t kb, char decimalSeparator) {
    if (kb < kKilo) return std::to_string(kb) + " KB";
    return TwoDecimals(kb, double(kKilo), " MB", decimalSeparator);
}
