// Splits one command line into the program and its arguments, for platforms whose process call
// takes an argument vector rather than one string.
//
// The rule: blanks and tabs outside quotes separate arguments; a double quote opens or closes a
// quoted part and is itself removed; every other character, backslashes included, is taken as it
// stands; "" is an empty argument; a quote left open runs to the end of the line; quoted and
// unquoted parts that touch form one argument. So `-p "D:\save\"` gives `-p` and `D:\save\`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace marrowick {

std::vector<std::string> split_command_line(std::string_view command_line);

}  // namespace marrowick
