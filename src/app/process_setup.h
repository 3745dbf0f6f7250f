// The operating system's side of preparing the process at start-up.
#pragma once

#include <string>

namespace marrowick {

// The full path of the running executable; empty when the system cannot tell.
std::string own_executable_path();

// Makes `folder` the current directory. Returns whether it worked; callers may ignore a failure.
bool make_current_directory(const std::string& folder);

}  // namespace marrowick
