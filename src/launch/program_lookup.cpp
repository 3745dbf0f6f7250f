#include "launch/program_lookup.h"

namespace marrowick {
namespace {

std::string in_directory(std::string_view directory, std::string_view name) {
    if (directory.empty()) {
        directory = ".";
    }
    std::string candidate(directory);
    if (candidate.back() != '/') {
        candidate.push_back('/');
    }
    candidate.append(name);
    return candidate;
}

}  // namespace

std::optional<std::string> find_program(std::string_view name, const ProgramSearch& search) {
    if (name.empty()) {
        return std::nullopt;
    }
    if (name.find('/') != std::string_view::npos) {
        return std::string(name);
    }
    if (std::string beside = in_directory(search.program_folder, name);
        search.is_executable_file(beside)) {
        return beside;
    }
    std::string_view rest = search.search_path;
    while (true) {
        const std::size_t colon = rest.find(':');
        if (std::string candidate = in_directory(rest.substr(0, colon), name);
            search.is_executable_file(candidate)) {
            return candidate;
        }
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        rest.remove_prefix(colon + 1);
    }
}

}  // namespace marrowick
