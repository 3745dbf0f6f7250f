// Finds the file that a command's first word names.
//
// A name holding a "/" is a path and is used as it is (a relative one resolves against the
// current directory, the program folder). A bare name is looked for beside the program first,
// so that a downloader placed next to it is found, then along the search path.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace marrowick {

struct ProgramSearch {
    std::string program_folder;
    std::string search_path;  // directories separated by ":"; an empty entry is the current one
    std::function<bool(const std::string& candidate)> is_executable_file;
};

std::optional<std::string> find_program(std::string_view name, const ProgramSearch& search);

}  // namespace marrowick
