// Delivery of control events to the routines they are bound to.
//
// An event runs its routine synchronously, inside the notification that raised it. While events
// are held off (from the start of building the window until it is shown, and from the start of
// shutdown) every event is dropped without a trace.
#pragma once

#include <array>
#include <functional>
#include <span>

#include "ui/form.h"

namespace marrowick {

class EventRouter {
  public:
    // Starts with events held off: nothing is delivered before the window is fully built.
    explicit EventRouter(std::span<const EventBinding> bindings);

    void bind(Routine routine, std::function<void()> handler);

    void hold_events() noexcept { held_ = true; }
    void deliver_events() noexcept { held_ = false; }
    [[nodiscard]] bool events_held() const noexcept { return held_; }

    // Runs the routine of the first binding for this control and event, unless events are held
    // off. Returns whether a routine ran.
    bool RaiseEvent(ControlId control, EventKind event);

  private:
    std::span<const EventBinding> bindings_;
    std::array<std::function<void()>, 2> handlers_;  // indexed by Routine
    bool held_ = true;
};

}  // namespace marrowick
