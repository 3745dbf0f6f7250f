// Composes the downloader's command line from the window's inputs into INPUT_CMD.
#pragma once

#include <string_view>

#include "ui/form_access.h"

namespace marrowick {

namespace command_fragment {
inline constexpr std::string_view head = "Trovilane -n ";
inline constexpr std::string_view path_opener = " -p \"";
inline constexpr std::string_view quote = "\"";
inline constexpr std::string_view unchecked_flag = " -O ";
inline constexpr std::string_view checked_flag = " -o ";
}  // namespace command_fragment

// Rebuilds the whole command in INPUT_CMD, using the field itself as the accumulator:
//   Trovilane -n <count> -p "<path>" -O "<address>"   (-o when only original articles are wanted)
// The inputs go in verbatim: nothing is trimmed, escaped or checked.
void ComposeCommandLine(FormAccess& form);

}  // namespace marrowick
