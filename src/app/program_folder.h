// The program folder: the folder that holds the executable. The program works in it, so relative
// paths in a started command resolve against it.
#pragma once

#include <string>
#include <string_view>

namespace marrowick {

// The executable's full path up to, not including, its last "/". An executable in the root
// folder gives "/" itself; a path without any "/" gives the empty text.
std::string program_folder_of(std::string_view executable_path);

}  // namespace marrowick
