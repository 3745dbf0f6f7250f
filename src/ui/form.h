// The description of MainWindow: its settings, its nine controls and their event bindings.
//
// This table is the only place that states where a control sits, what it says and how it is set;
// the toolkit layers build the window from it and the tests check the window against it.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace marrowick {

// The controls by their form names, in form order (the order in which the form lists them).
enum class ControlId {
    INPUT_PATH,
    INPUT_NUM,
    INPUT_ADDR,
    按钮1,
    INPUT_CMD,
    INPUT_ORIG,
    标签3,
    标签2,
    标签1,
};

enum class ControlKind { EditBox, PushButton, CheckBox, Label };
enum class InputMode { Normal, Integer };
enum class EventKind { ContentChanged, Clicked };
enum class Routine { ComposeCommandLine, RunCommandLine };

struct Size {
    int width = 0;
    int height = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlSpec {
    ControlId id;
    std::string_view name;
    ControlKind kind;
    Rect geometry;             // client-area pixels
    std::string_view caption;  // caption, or initial content of an edit box
    bool tab_stop;
    bool enabled;
    bool visible;
    int tab_order_value;
    InputMode input_mode;    // edit boxes only
    bool initially_checked;  // check box only
};

struct WindowSpec {
    std::string_view name;
    std::string_view title;
    Size outer_size;  // frame, title bar and borders included
    bool resizable;
    bool system_menu;
    bool minimise_button;
    bool maximise_button;
    bool shown_in_task_bar;
    bool always_on_top;
    bool esc_closes;
    bool enter_moves_focus;
    bool f1_opens_help;
    std::string_view icon_name;
};

struct EventBinding {
    ControlId control;
    EventKind event;
    Routine routine;
};

inline constexpr std::size_t control_count = 9;

struct FormSpec {
    WindowSpec window;
    std::array<ControlSpec, control_count> controls;  // form order; the top of the stacking first
    std::array<EventBinding, 5> bindings;             // form order
};

const FormSpec& main_window_form();

const ControlSpec& control_spec(ControlId id);
std::optional<ControlId> control_by_name(std::string_view name);

// The order in which the controls are created: the reverse of form order.
std::array<ControlId, control_count> creation_order();

}  // namespace marrowick
