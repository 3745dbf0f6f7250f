#include "ui/events.h"

#include <algorithm>
#include <utility>

namespace marrowick {

EventRouter::EventRouter(std::span<const EventBinding> bindings) : bindings_(bindings) {}

void EventRouter::bind(Routine routine, std::function<void()> handler) {
    handlers_[static_cast<std::size_t>(routine)] = std::move(handler);
}

bool EventRouter::RaiseEvent(ControlId control, EventKind event) {
    if (held_) {
        return false;
    }
    auto binding = std::find_if(bindings_.begin(), bindings_.end(), [&](const EventBinding& b) {
        return b.control == control && b.event == event;
    });
    if (binding == bindings_.end()) {
        return false;
    }
    const auto& handler = handlers_[static_cast<std::size_t>(binding->routine)];
    if (!handler) {
        return false;
    }
    handler();
    return true;
}

}  // namespace marrowick
