// Starting a command line as a process of its own. The outcome is not reported: the window shows
// nothing either way.
#pragma once

#include <string_view>

namespace marrowick {

class CommandLauncher {
  public:
    virtual ~CommandLauncher() = default;
    virtual void start(std::string_view command_line) = 0;
};

}  // namespace marrowick
