// Reaps started programs from the Qt event loop: each one's exit watch is a socket notifier,
// and the process is reaped when it fires. Nothing is polled and no thread waits.
#pragma once

#include <QObject>

#include <memory>
#include <vector>

#include "launch/child_reaper.h"

class QSocketNotifier;

namespace marrowick {

class QtChildReaper final : public ChildReaper {
  public:
    QtChildReaper();
    ~QtChildReaper() override;
    QtChildReaper(const QtChildReaper&) = delete;
    QtChildReaper& operator=(const QtChildReaper&) = delete;

    void adopt(StartedProcess process) override;

    // How many started programs have not been reaped yet.
    [[nodiscard]] std::size_t running() const noexcept { return watches_.size(); }

  private:
    struct Watch;
    void reap(Watch* watch);

    std::vector<std::unique_ptr<Watch>> watches_;
};

}  // namespace marrowick
