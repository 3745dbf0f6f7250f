#include "launch/child_reaper_qt.h"

#include <QSocketNotifier>

#include <algorithm>

namespace marrowick {

struct QtChildReaper::Watch {
    explicit Watch(StartedProcess started)
        : process(std::move(started)),
          notifier(std::make_unique<QSocketNotifier>(process.exit_watch(), QSocketNotifier::Read)) {
    }
    StartedProcess process;
    std::unique_ptr<QSocketNotifier> notifier;
};

QtChildReaper::QtChildReaper() = default;
QtChildReaper::~QtChildReaper() = default;

void QtChildReaper::adopt(StartedProcess process) {
    if (process.exit_watch() < 0) {
        // No watch could be had: reap now if it already ended, else leave it to end as an
        // orphan when this process does.
        process.reap_if_ended();
        return;
    }
    auto watch = std::make_unique<Watch>(std::move(process));
    Watch* raw = watch.get();
    QObject::connect(watch->notifier.get(), &QSocketNotifier::activated, watch->notifier.get(),
                     [this, raw] { reap(raw); });
    watches_.push_back(std::move(watch));
}

void QtChildReaper::reap(Watch* watch) {
    if (!watch->process.reap_if_ended()) {
        return;
    }
    watch->notifier->setEnabled(false);
    auto found = std::find_if(watches_.begin(), watches_.end(),
                              [watch](const auto& held) { return held.get() == watch; });
    if (found != watches_.end()) {
        // The notifier is inside its own signal: let the event loop delete it afterwards.
        (*found)->notifier.release()->deleteLater();
        watches_.erase(found);
    }
}

}  // namespace marrowick
