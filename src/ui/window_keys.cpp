#include "ui/window_keys.h"

namespace marrowick {

WindowKeyAction window_key_action(Key key, KeyModifiers modifiers, const WindowSpec& window) {
    if (modifiers.control || modifiers.alt) {
        return WindowKeyAction::PassToControl;
    }
    if (key == Key::Tab) {
        return modifiers.shift ? WindowKeyAction::FocusPrevious : WindowKeyAction::FocusNext;
    }
    if (modifiers.shift) {
        return WindowKeyAction::PassToControl;
    }
    switch (key) {
        case Key::Escape:
            return window.esc_closes ? WindowKeyAction::CloseWindow
                                     : WindowKeyAction::PassToControl;
        case Key::Enter:
            return window.enter_moves_focus ? WindowKeyAction::FocusNext
                                            : WindowKeyAction::PassToControl;
        default:
            // F1 would open help only with a help file; this window has none.
            return WindowKeyAction::PassToControl;
    }
}

}  // namespace marrowick
