#include "launch/command_launcher_posix.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

#include "launch/command_splitter.h"
#include "launch/program_lookup.h"

namespace marrowick {
namespace {

bool is_executable_file(const std::string& candidate) {
    struct stat status {};
    return ::stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           ::access(candidate.c_str(), X_OK) == 0;
}

}  // namespace

PosixCommandLauncher::PosixCommandLauncher(std::string program_folder, ChildReaper& reaper,
                                           Spawner spawner)
    : program_folder_(std::move(program_folder)), reaper_(reaper), spawner_(std::move(spawner)) {}

void PosixCommandLauncher::start(std::string_view command_line) {
    std::vector<std::string> arguments = split_command_line(command_line);
    if (arguments.empty()) {
        return;
    }
    const char* search_path = std::getenv("PATH");
    const ProgramSearch search{
        .program_folder = program_folder_,
        .search_path = search_path != nullptr ? search_path : "/bin:/usr/bin",  // execvp's default
        .is_executable_file = is_executable_file,
    };
    std::optional<std::string> program = find_program(arguments.front(), search);
    if (!program) {
        return;
    }
    if (std::optional<StartedProcess> started =
            spawner_({.program = std::move(*program), .arguments = std::move(arguments)})) {
        reaper_.adopt(std::move(*started));
    }
}

}  // namespace marrowick
