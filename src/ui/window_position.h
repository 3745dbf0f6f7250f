// Where MainWindow's outer frame starts: centred over the full screen (not the work area).
#pragma once

#include "ui/form.h"

namespace marrowick {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Each coordinate is (screen - window) / 2, an integer division that truncates toward zero, so a
// window wider than the screen starts left of it.
constexpr Point centred_position(Size screen, Size window) {
    return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
}

}  // namespace marrowick
