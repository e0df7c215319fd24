// Leftover list files are read back from disk, where anything may have been written into them.
#include "otherclean/core/leftover_codec.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string decoded = DecodeLeftoverFile(bytes);
    if (decoded.find('\0') != std::string::npos) std::abort();
    if (decoded.find(kLeftoverTerminator) != std::string::npos) std::abort();
    if (!decoded.empty() && size > kLeftoverFileSize) std::abort();
    SplitLeftoverEntries(decoded);

    // The same bytes as a list text: stored and read back, it yields what precedes its first terminator.
    std::string text(bytes);
    text += kLeftoverTerminator;
    const std::string file = EncodeLeftoverFile(text);
    if (file.size() != kLeftoverFileSize) std::abort();
    if (text.size() <= kLeftoverMaxText && text.find('\0') == std::string::npos) {
        if (DecodeLeftoverFile(file) != text.substr(0, text.find(kLeftoverTerminator))) std::abort();
    } else if (text.size() > kLeftoverMaxText && DecodeLeftoverFile(file) != "") {
        std::abort();
    }
    return 0;
}
