#include "app/program_folder.h"

namespace marrowick {

std::string program_folder_of(std::string_view executable_path) {
    const std::size_t last = executable_path.rfind('/');
    if (last == std::string_view::npos) {
        return {};
    }
    return std::string(executable_path.substr(0, last == 0 ? 1 : last));
}

}  // namespace marrowick
