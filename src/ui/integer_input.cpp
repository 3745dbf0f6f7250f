#include "ui/integer_input.h"

#include <cstdint>
#include <limits>

namespace marrowick {
namespace {

constexpr bool is_white_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string canonical_integer_text(std::string_view shown) {
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    // Any magnitude past this one clamps to the same end of the range, so accumulating stops
    // growing there instead of overflowing.
    constexpr std::int64_t saturated = -lowest + 1;

    std::size_t at = 0;
    while (at < shown.size() && is_white_space(shown[at])) {
        ++at;
    }
    bool negative = false;
    if (at < shown.size() && (shown[at] == '+' || shown[at] == '-')) {
        negative = shown[at] == '-';
        ++at;
    }
    std::int64_t magnitude = 0;
    for (; at < shown.size() && is_digit(shown[at]); ++at) {
        if (magnitude < saturated) {
            magnitude = magnitude * 10 + (shown[at] - '0');
        }
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    value = value < lowest ? lowest : (value > highest ? highest : value);
    return value == 0 ? std::string() : std::to_string(value);
}

}  // namespace marrowick
