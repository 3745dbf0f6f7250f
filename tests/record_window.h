// MainWindow served by a plain record, with the routines bound as the real window binds them:
// the window's behaviour without a toolkit.
#pragma once

#include <functional>

#include "command/compose_command_line.h"
#include "ui/events.h"
#include "ui/form_record.h"
#include "ui/main_window_form.h"

namespace marrowick::testing {

struct RecordWindow {
    FormRecord controls;
    EventRouter router{main_window_form().bindings};
    MainWindowForm form{controls, router};
    int compositions = 0;
    int runs = 0;

    explicit RecordWindow(std::function<void()> run_command_line = {}) {
        controls.attach(form);
        router.bind(Routine::ComposeCommandLine, [this] {
            ++compositions;
            ComposeCommandLine(form);
        });
        router.bind(Routine::RunCommandLine, [this, run = std::move(run_command_line)] {
            ++runs;
            if (run) {
                run();
            }
        });
        router.deliver_events();  // the window is built and shown
    }

    const std::string& command() const { return controls.text(ControlId::INPUT_CMD); }
};

}  // namespace marrowick::testing
