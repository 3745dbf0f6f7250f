#include "ui/tab_order.h"

#include <algorithm>

namespace marrowick {

std::vector<ControlId> tab_order(std::span<const ControlSpec> controls_in_creation_order) {
    std::vector<const ControlSpec*> reachable;
    for (const ControlSpec& entry : controls_in_creation_order) {
        if (entry.visible && entry.enabled && entry.tab_stop) {
            reachable.push_back(&entry);
        }
    }
    std::stable_sort(reachable.begin(), reachable.end(),
                     [](const ControlSpec* a, const ControlSpec* b) {
                         return a->tab_order_value < b->tab_order_value;
                     });
    std::vector<ControlId> order;
    order.reserve(reachable.size());
    for (const ControlSpec* entry : reachable) {
        order.push_back(entry->id);
    }
    return order;
}

const std::vector<ControlId>& main_window_tab_order() {
    static const std::vector<ControlId> order = [] {
        std::vector<ControlSpec> created;
        for (ControlId id : creation_order()) {
            created.push_back(control_spec(id));
        }
        return tab_order(created);
    }();
    return order;
}

std::optional<ControlId> next_in_tab_order(const std::vector<ControlId>& order,
                                           std::optional<ControlId> current,
                                           TabDirection direction) {
    if (order.empty()) {
        return std::nullopt;
    }
    const bool forward = direction == TabDirection::Forward;
    auto at = current ? std::find(order.begin(), order.end(), *current) : order.end();
    if (at == order.end()) {
        return forward ? order.front() : order.back();
    }
    const std::size_t index = static_cast<std::size_t>(at - order.begin());
    const std::size_t count = order.size();
    return order[forward ? (index + 1) % count : (index + count - 1) % count];
}

}  // namespace marrowick
