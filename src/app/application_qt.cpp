#include "app/application_qt.h"

#include <QApplication>

#include <new>

#include "command/compose_command_line.h"
#include "common/fatal.h"
#include "launch/run_command_line.h"
#include "ui/main_window_form.h"
#include "ui/qt/main_window_qt.h"
#include "ui/qt/qt_control_surface.h"

namespace marrowick {

Application::Application(CommandLauncher& launcher)
    : launcher_(launcher), router_(main_window_form().bindings) {}

Application::~Application() {
    router_.hold_events();  // nothing reaches a routine while the window is torn down
}

void Application::LoadMainWindow() {
    router_.hold_events();
    try {
        window_ = std::make_unique<MainWindowQt>();
        surface_ = std::make_unique<QtControlSurface>(*window_);
        form_ = std::make_unique<MainWindowForm>(*surface_, router_);
    } catch (const std::bad_alloc&) {
        fail_fatally({.kind = FatalFailure::Kind::WindowCreation,
                      .bytes_requested = 0,
                      .what = "MainWindow"});
    }
    router_.bind(Routine::ComposeCommandLine, [this] { ComposeCommandLine(*form_); });
    router_.bind(Routine::RunCommandLine, [this] { RunCommandLine(*form_, launcher_); });
    window_->attach(*form_);
    window_->on_closing = [this] { router_.hold_events(); };  // shutdown begins
    window_->show_centred();
    router_.deliver_events();
}

int Application::RunMessageLoop() {
    if (!window_ || !window_->isVisible()) {
        return 0;
    }
    QApplication::setQuitOnLastWindowClosed(true);
    const int code = QApplication::exec();
    router_.hold_events();
    return code;
}

}  // namespace marrowick
