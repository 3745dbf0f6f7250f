#include "ui/tab_order.h"

#include <gtest/gtest.h>

namespace marrowick {
namespace {

using enum ControlId;

TEST(TabOrder, MainWindowVisitsTheReachableControlsInCreationOrder) {
    const std::vector<ControlId> expected{INPUT_ORIG, 按钮1, INPUT_ADDR, INPUT_NUM, INPUT_PATH};
    EXPECT_EQ(main_window_tab_order(), expected);
}

TEST(TabOrder, CyclesForwardAndBackward) {
    const auto& order = main_window_tab_order();
    struct Step {
        std::optional<ControlId> from;
        TabDirection direction;
        ControlId to;
    };
    const Step steps[] = {
        {INPUT_ORIG, TabDirection::Forward, 按钮1},
        {INPUT_PATH, TabDirection::Forward, INPUT_ORIG},
        {INPUT_ORIG, TabDirection::Backward, INPUT_PATH},
        {INPUT_NUM, TabDirection::Backward, INPUT_ADDR},
        {INPUT_CMD, TabDirection::Forward, INPUT_ORIG},  // not in the order: start over
        {std::nullopt, TabDirection::Backward, INPUT_PATH},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(next_in_tab_order(order, step.from, step.direction), step.to);
    }
}

TEST(TabOrder, SortsByValueAndKeepsCreationOrderForEqualValues) {
    auto entry = [](ControlId id, int value, bool visible = true, bool enabled = true,
                    bool tab_stop = true) {
        ControlSpec s = control_spec(id);
        s.tab_order_value = value;
        s.visible = visible;
        s.enabled = enabled;
        s.tab_stop = tab_stop;
        return s;
    };
    const std::vector<ControlSpec> created{entry(INPUT_ORIG, 2),
                                           entry(INPUT_CMD, 0, true, true),
                                           entry(按钮1, 1),
                                           entry(INPUT_ADDR, 1, false),         // hidden
                                           entry(INPUT_NUM, 0, true, false),    // disabled
                                           entry(标签1, 0, true, true, false),  // not a tab stop
                                           entry(INPUT_PATH, 1)};
    const std::vector<ControlId> expected{INPUT_CMD, 按钮1, INPUT_PATH, INPUT_ORIG};
    EXPECT_EQ(tab_order(created), expected);
    EXPECT_EQ(next_in_tab_order({}, INPUT_CMD, TabDirection::Forward), std::nullopt);
}

}  // namespace
}  // namespace marrowick
