// The integer input mode of an edit box: which typed characters it takes, and the canonical text
// it is rewritten to when it loses the focus.
#pragma once

#include <string>
#include <string_view>

namespace marrowick {

// A typed character below 32 (Backspace, the control keys for copy, cut, paste, undo) passes;
// of the rest only "-" and the digits do. Pasted text is not filtered.
constexpr bool integer_input_accepts(char32_t typed) {
    return typed < 32 || typed == U'-' || (typed >= U'0' && typed <= U'9');
}

// Reads a number the way the box's focus-loss rewrite does: leading white space skipped, one
// optional sign, then the digits up to the first non-digit; no digits read as 0. The value is
// clamped to the signed 32-bit range and written in decimal without a plus sign or leading
// zeros; zero is written as the empty text. Digit runs of any length saturate rather than wrap.
std::string canonical_integer_text(std::string_view shown);

}  // namespace marrowick
