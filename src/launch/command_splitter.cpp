#include "launch/command_splitter.h"

namespace marrowick {

std::vector<std::string> split_command_line(std::string_view command_line) {
    std::vector<std::string> arguments;
    std::string current;
    bool in_argument = false;  // a quote alone starts an argument, even an empty one
    bool quoted = false;
    for (char c : command_line) {
        if (c == '"') {
            quoted = !quoted;
            in_argument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (in_argument) {
                arguments.push_back(std::move(current));
                current.clear();
                in_argument = false;
            }
        } else {
            current.push_back(c);
            in_argument = true;
        }
    }
    if (in_argument) {
        arguments.push_back(std::move(current));
    }
    return arguments;
}

}  // namespace marrowick
