// Who collects the exit of started programs, so that none is left as a zombie however long the
// window stays open. The window's event loop does it (child_reaper_qt.h); tests reap by hand.
#pragma once

#include "launch/detached_spawn.h"

namespace marrowick {

class ChildReaper {
  public:
    virtual ~ChildReaper() = default;
    virtual void adopt(StartedProcess process) = 0;
};

}  // namespace marrowick
