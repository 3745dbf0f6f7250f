// Lets a test observe a fatal failure instead of ending the test process: while a catcher lives,
// fail_fatally() throws the failure as a FatalFailureSeen.
#pragma once

#include "common/fatal.h"

namespace marrowick::testing {

struct FatalFailureSeen {
    FatalFailure failure;
};

class FatalFailureCatcher {
  public:
    FatalFailureCatcher() : previous_(set_fatal_handler(&throw_it)) {}
    ~FatalFailureCatcher() { set_fatal_handler(previous_); }
    FatalFailureCatcher(const FatalFailureCatcher&) = delete;
    FatalFailureCatcher& operator=(const FatalFailureCatcher&) = delete;

  private:
    static void throw_it(const FatalFailure& failure) { throw FatalFailureSeen{failure}; }
    FatalHandler previous_;
};

}  // namespace marrowick::testing
