#include "ui/window_keys.h"

#include <gtest/gtest.h>

namespace marrowick {
namespace {

struct KeyCase {
    const char* what;
    Key key;
    KeyModifiers modifiers;
    WindowKeyAction action;
};

TEST(WindowKeys, ActsOnTabShiftTabAndEscOnly) {
    constexpr KeyModifiers none{};
    constexpr KeyModifiers shift{.shift = true};
    constexpr KeyModifiers control{.control = true};
    constexpr KeyModifiers alt{.alt = true};
    const KeyCase cases[] = {
        {"Tab", Key::Tab, none, WindowKeyAction::FocusNext},
        {"Shift+Tab", Key::Tab, shift, WindowKeyAction::FocusPrevious},
        {"Ctrl+Tab", Key::Tab, control, WindowKeyAction::PassToControl},
        {"Alt+Tab", Key::Tab, alt, WindowKeyAction::PassToControl},
        {"Esc", Key::Escape, none, WindowKeyAction::CloseWindow},
        {"Shift+Esc", Key::Escape, shift, WindowKeyAction::PassToControl},
        {"Ctrl+Esc", Key::Escape, control, WindowKeyAction::PassToControl},
        {"Enter", Key::Enter, none, WindowKeyAction::PassToControl},
        {"F1", Key::F1, none, WindowKeyAction::PassToControl},
        {"a letter", Key::Other, alt, WindowKeyAction::PassToControl},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(window_key_action(c.key, c.modifiers, main_window_form().window), c.action)
            << c.what;
    }
}

TEST(WindowKeys, FollowTheWindowSettings) {
    WindowSpec settings = main_window_form().window;
    settings.enter_moves_focus = true;
    settings.esc_closes = false;
    EXPECT_EQ(window_key_action(Key::Enter, {}, settings), WindowKeyAction::FocusNext);
    EXPECT_EQ(window_key_action(Key::Escape, {}, settings), WindowKeyAction::PassToControl);
}

}  // namespace
}  // namespace marrowick
