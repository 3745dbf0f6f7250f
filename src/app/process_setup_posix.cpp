#include <unistd.h>

#include <climits>
#include <vector>

#include "app/process_setup.h"

namespace marrowick {

std::string own_executable_path() {
    std::vector<char> buffer(PATH_MAX);
    while (true) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return {buffer.data(), static_cast<std::size_t>(length)};
        }
        buffer.resize(buffer.size() * 2);  // the path may have been cut: ask again with more room
    }
}

bool make_current_directory(const std::string& folder) {
    return !folder.empty() && ::chdir(folder.c_str()) == 0;
}

}  // namespace marrowick
