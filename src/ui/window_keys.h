// The window's own keyboard handling, which sees each key press before the focused control.
#pragma once

#include "ui/form.h"

namespace marrowick {

enum class Key { Tab, Enter, Escape, F1, Other };

struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
};

enum class WindowKeyAction {
    PassToControl,  // the window does nothing; the focused control gets the key
    FocusNext,
    FocusPrevious,
    CloseWindow,
};

// Keys count only without Ctrl and Alt, and without Shift except for Shift+Tab. Enter moves the
// focus on only with the window's Enter setting; otherwise it reaches the focused control.
WindowKeyAction window_key_action(Key key, KeyModifiers modifiers, const WindowSpec& window);

}  // namespace marrowick
