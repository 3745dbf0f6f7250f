// The keyboard's tab order, computed from the controls' flags rather than listed by hand.
//
// It takes the controls that are visible, enabled and tab stops, sorted by tab-order value, the
// lowest first; equal values keep creation order. The order is cyclic.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "ui/form.h"

namespace marrowick {

// `controls` are given in creation order.
std::vector<ControlId> tab_order(std::span<const ControlSpec> controls_in_creation_order);

// MainWindow's tab order.
const std::vector<ControlId>& main_window_tab_order();

enum class TabDirection { Forward, Backward };

// The control that receives the focus when it moves on from `current`. From a control outside the
// order (or none), forward starts at the first control and backward at the last. Empty when the
// order is empty.
std::optional<ControlId> next_in_tab_order(const std::vector<ControlId>& order,
                                           std::optional<ControlId> current,
                                           TabDirection direction);

}  // namespace marrowick
