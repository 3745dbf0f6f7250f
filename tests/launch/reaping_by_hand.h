// A reaper for tests without an event loop: it keeps what was started and reaps on request.
#pragma once

#include <poll.h>

#include <chrono>
#include <thread>
#include <vector>

#include "launch/child_reaper.h"

namespace marrowick::testing {

class ReapingByHand final : public ChildReaper {
  public:
    void adopt(StartedProcess process) override { started.push_back(std::move(process)); }

    // Waits for each started program to end and reaps it; false if one is still running when
    // `patience` is up.
    bool reap_all(std::chrono::milliseconds patience = std::chrono::seconds(10)) {
        const auto deadline = std::chrono::steady_clock::now() + patience;
        for (StartedProcess& process : started) {
            while (!process.reap_if_ended()) {
                if (std::chrono::steady_clock::now() > deadline) {
                    return false;
                }
                pollfd ended{.fd = process.exit_watch(), .events = POLLIN, .revents = 0};
                ::poll(&ended, 1, 10);
            }
        }
        started.clear();
        return true;
    }

    std::vector<StartedProcess> started;
};

}  // namespace marrowick::testing
