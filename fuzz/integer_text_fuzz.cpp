// The count box's rewrite against a reference that reads the number as a decimal string and
// compares it with the range's ends as strings, with no integer arithmetic at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ui/integer_input.h"

namespace {

std::string reference_canonical(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string_view::npos) {
        return "";
    }
    bool negative = false;
    if (text[at] == '+' || text[at] == '-') {
        negative = text[at] == '-';
        ++at;
    }
    std::string digits;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        digits.push_back(text[at++]);
    }
    digits.erase(0, digits.find_first_not_of('0'));  // all zeros leave nothing
    if (digits.empty()) {
        return "";
    }
    const std::string limit = negative ? "2147483648" : "2147483647";
    const bool beyond =
        digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit);
    return (negative ? "-" : "") + (beyond ? limit : digits);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (marrowick::canonical_integer_text(text) != reference_canonical(text)) {
        std::abort();
    }
    return 0;
}
