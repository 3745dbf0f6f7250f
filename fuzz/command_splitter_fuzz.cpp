// Splitting any line never fails, and quoting each piece and splitting again gives the same
// pieces: no piece keeps a quote, and every blank inside a piece came from a quoted part.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "launch/command_splitter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto pieces = marrowick::split_command_line(line);
    std::string rejoined;
    for (const std::string& piece : pieces) {
        if (piece.find('"') != std::string::npos) {
            std::abort();
        }
        rejoined += (rejoined.empty() ? "\"" : " \"") + piece + "\"";
    }
    if (marrowick::split_command_line(rejoined) != pieces) {
        std::abort();
    }
    return 0;
}
