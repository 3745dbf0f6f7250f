#include "ui/form.h"

#include <algorithm>

namespace marrowick {
namespace {

constexpr ControlSpec edit_box(ControlId id, std::string_view name, Rect geometry,
                               std::string_view content, bool enabled, InputMode mode) {
    return {id, name, ControlKind::EditBox, geometry, content, true, enabled, true, 0, mode, false};
}

constexpr ControlSpec label(ControlId id, std::string_view name, Rect geometry,
                            std::string_view caption) {
    return {id,   name, ControlKind::Label, geometry, caption, false, true,
            true, 0,    InputMode::Normal,  false};
}

constexpr FormSpec form{
    .window =
        {
            .name = "MainWindow",
            .title = "Marrowick_GUI",
            .outer_size = {537, 202},
            .resizable = false,
            .system_menu = true,
            .minimise_button = true,
            .maximise_button = false,
            .shown_in_task_bar = false,
            .always_on_top = false,
            .esc_closes = true,
            .enter_moves_focus = false,
            .f1_opens_help = false,
            .icon_name = "DEFAULT_ICON",
        },
    .controls =
        {
            edit_box(ControlId::INPUT_PATH, "INPUT_PATH", {104, 80, 224, 24}, "", true,
                     InputMode::Normal),
            edit_box(ControlId::INPUT_NUM, "INPUT_NUM", {400, 40, 120, 24}, "-1", true,
                     InputMode::Integer),
            edit_box(ControlId::INPUT_ADDR, "INPUT_ADDR", {104, 40, 224, 24}, "", true,
                     InputMode::Normal),
            ControlSpec{ControlId::按钮1,
                        "按钮1",
                        ControlKind::PushButton,
                        {456, 128, 64, 24},
                        "开始下载",
                        true,
                        true,
                        true,
                        0,
                        InputMode::Normal,
                        false},
            edit_box(ControlId::INPUT_CMD, "INPUT_CMD", {24, 128, 416, 24}, "", false,
                     InputMode::Normal),
            ControlSpec{ControlId::INPUT_ORIG,
                        "INPUT_ORIG",
                        ControlKind::CheckBox,
                        {344, 80, 80, 24},
                        "只下原创",
                        true,
                        true,
                        true,
                        0,
                        InputMode::Normal,
                        false},
            label(ControlId::标签3, "标签3", {344, 40, 64, 24}, "下载数量："),
            label(ControlId::标签2, "标签2", {32, 80, 72, 24}, "保存路径："),
            label(ControlId::标签1, "标签1", {32, 40, 72, 24}, "下载地址："),
        },
    .bindings =
        {
            EventBinding{ControlId::INPUT_ADDR, EventKind::ContentChanged,
                         Routine::ComposeCommandLine},
            EventBinding{ControlId::INPUT_NUM, EventKind::ContentChanged,
                         Routine::ComposeCommandLine},
            EventBinding{ControlId::INPUT_PATH, EventKind::ContentChanged,
                         Routine::ComposeCommandLine},
            EventBinding{ControlId::INPUT_ORIG, EventKind::Clicked, Routine::ComposeCommandLine},
            EventBinding{ControlId::按钮1, EventKind::Clicked, Routine::RunCommandLine},
        },
};

// The table is indexed by ControlId; this keeps the two from drifting apart.
constexpr bool ids_follow_form_order() {
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        if (static_cast<std::size_t>(form.controls[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(ids_follow_form_order());

}  // namespace

const FormSpec& main_window_form() {
    return form;
}

const ControlSpec& control_spec(ControlId id) {
    return form.controls[static_cast<std::size_t>(id)];
}

std::optional<ControlId> control_by_name(std::string_view name) {
    auto found = std::find_if(form.controls.begin(), form.controls.end(),
                              [name](const ControlSpec& entry) { return entry.name == name; });
    if (found == form.controls.end()) {
        return std::nullopt;
    }
    return found->id;
}

std::array<ControlId, control_count> creation_order() {
    std::array<ControlId, control_count> order{};
    std::transform(form.controls.rbegin(), form.controls.rend(), order.begin(),
                   [](const ControlSpec& entry) { return entry.id; });
    return order;
}

}  // namespace marrowick
