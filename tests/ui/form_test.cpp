#include "ui/form.h"

#include <gtest/gtest.h>

#include <set>

#include "ui/window_position.h"

namespace marrowick {
namespace {

TEST(Form, EveryControlIsFoundByItsUniqueName) {
    std::set<std::string_view> names;
    for (const ControlSpec& entry : main_window_form().controls) {
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_EQ(control_by_name(entry.name), entry.id) << entry.name;
        EXPECT_EQ(&control_spec(entry.id), &entry);
    }
    EXPECT_EQ(control_by_name("按钮2"), std::nullopt);
}

TEST(Form, CreationOrderIsTheReverseOfFormOrder) {
    const std::array<ControlId, control_count> expected{
        ControlId::标签1,      ControlId::标签2,     ControlId::标签3,
        ControlId::INPUT_ORIG, ControlId::INPUT_CMD, ControlId::按钮1,
        ControlId::INPUT_ADDR, ControlId::INPUT_NUM, ControlId::INPUT_PATH};
    EXPECT_EQ(creation_order(), expected);
}

TEST(Form, EveryControlLiesInsideTheClientArea) {
    for (const ControlSpec& entry : main_window_form().controls) {
        const Rect& r = entry.geometry;
        EXPECT_GE(r.left, 24) << entry.name;
        EXPECT_LE(r.left + r.width, 520) << entry.name;
        EXPECT_GE(r.top, 40) << entry.name;
        EXPECT_LE(r.top + r.height, 152) << entry.name;
    }
}

TEST(Form, TheOnlyOverlapIsTheCountFieldOverTheRightOfItsLabel) {
    const auto& controls = main_window_form().controls;
    for (std::size_t upper = 0; upper < controls.size(); ++upper) {
        for (std::size_t lower = upper + 1; lower < controls.size(); ++lower) {
            const Rect& a = controls[upper].geometry;
            const Rect& b = controls[lower].geometry;
            const bool overlap = a.left < b.left + b.width && b.left < a.left + a.width &&
                                 a.top < b.top + b.height && b.top < a.top + a.height;
            const bool expected = controls[upper].id == ControlId::INPUT_NUM &&
                                  controls[lower].id == ControlId::标签3;
            EXPECT_EQ(overlap, expected) << controls[upper].name << " / " << controls[lower].name;
        }
    }
}

struct CentringCase {
    Size screen;
    Point expected;
};

class CentredPosition : public ::testing::TestWithParam<CentringCase> {};

TEST_P(CentredPosition, TruncatesTowardZero) {
    EXPECT_EQ(centred_position(GetParam().screen, main_window_form().window.outer_size),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Screens, CentredPosition,
                         ::testing::Values(CentringCase{{1920, 1080}, {691, 439}},
                                           CentringCase{{500, 400}, {-18, 99}},
                                           CentringCase{{538, 203}, {0, 0}},
                                           CentringCase{{537, 202}, {0, 0}},
                                           CentringCase{{100, 100}, {-218, -51}}));

}  // namespace
}  // namespace marrowick
