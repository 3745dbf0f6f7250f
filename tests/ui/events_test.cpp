#include "ui/events.h"

#include <gtest/gtest.h>

#include <vector>

namespace marrowick {
namespace {

using enum ControlId;

class EventRouterTest : public ::testing::Test {
  protected:
    EventRouterTest() {
        router.bind(Routine::ComposeCommandLine,
                    [this] { ran.push_back(Routine::ComposeCommandLine); });
        router.bind(Routine::RunCommandLine, [this] { ran.push_back(Routine::RunCommandLine); });
    }
    EventRouter router{main_window_form().bindings};
    std::vector<Routine> ran;
};

TEST_F(EventRouterTest, HoldsEventsOffUntilTheWindowIsBuilt) {
    EXPECT_TRUE(router.events_held());
    EXPECT_FALSE(router.RaiseEvent(INPUT_NUM, EventKind::ContentChanged));
    EXPECT_TRUE(ran.empty());
}

TEST_F(EventRouterTest, RunsTheBoundRoutineOfEachBinding) {
    router.deliver_events();
    struct Row {
        ControlId control;
        EventKind event;
        std::optional<Routine> routine;
    };
    const Row rows[] = {
        {INPUT_ADDR, EventKind::ContentChanged, Routine::ComposeCommandLine},
        {INPUT_NUM, EventKind::ContentChanged, Routine::ComposeCommandLine},
        {INPUT_PATH, EventKind::ContentChanged, Routine::ComposeCommandLine},
        {INPUT_ORIG, EventKind::Clicked, Routine::ComposeCommandLine},
        {按钮1, EventKind::Clicked, Routine::RunCommandLine},
        {INPUT_CMD, EventKind::ContentChanged, std::nullopt},
        {INPUT_ORIG, EventKind::ContentChanged, std::nullopt},
        {按钮1, EventKind::ContentChanged, std::nullopt},
        {标签1, EventKind::Clicked, std::nullopt},
    };
    for (const Row& row : rows) {
        ran.clear();
        EXPECT_EQ(router.RaiseEvent(row.control, row.event), row.routine.has_value());
        EXPECT_EQ(ran, row.routine ? std::vector{*row.routine} : std::vector<Routine>{});
    }
}

TEST_F(EventRouterTest, DropsEverythingOnceShutdownBegins) {
    router.deliver_events();
    router.hold_events();
    EXPECT_FALSE(router.RaiseEvent(按钮1, EventKind::Clicked));
    EXPECT_TRUE(ran.empty());
}

TEST(EventRouter, TheFirstBindingInFormOrderWins) {
    const EventBinding bindings[] = {
        {INPUT_ADDR, EventKind::ContentChanged, Routine::RunCommandLine},
        {INPUT_ADDR, EventKind::ContentChanged, Routine::ComposeCommandLine},
    };
    EventRouter router(bindings);
    std::vector<Routine> ran;
    router.bind(Routine::ComposeCommandLine, [&] { ran.push_back(Routine::ComposeCommandLine); });
    router.bind(Routine::RunCommandLine, [&] { ran.push_back(Routine::RunCommandLine); });
    router.deliver_events();
    router.RaiseEvent(INPUT_ADDR, EventKind::ContentChanged);
    EXPECT_EQ(ran, std::vector{Routine::RunCommandLine});
}

}  // namespace
}  // namespace marrowick
