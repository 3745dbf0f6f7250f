// The application shell on Qt: builds MainWindow, runs the event loop, shuts down.
#pragma once

#include <memory>

#include "launch/command_launcher.h"
#include "ui/events.h"

namespace marrowick {

class MainWindowForm;
class MainWindowQt;
class QtControlSurface;

class Application {
  public:
    // A QApplication must exist. Started processes go through `launcher`.
    explicit Application(CommandLauncher& launcher);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Builds MainWindow with events held off, shows it centred with the focus on the first
    // control of the tab order, then lets events through. A failure to build it is fatal.
    void LoadMainWindow();

    // Runs the event loop until MainWindow is gone; returns the exit code, 0.
    int RunMessageLoop();

    [[nodiscard]] MainWindowQt* window() const { return window_.get(); }
    [[nodiscard]] EventRouter& router() { return router_; }
    [[nodiscard]] MainWindowForm* form() const { return form_.get(); }

  private:
    CommandLauncher& launcher_;
    EventRouter router_;
    std::unique_ptr<MainWindowQt> window_;
    std::unique_ptr<QtControlSurface> surface_;
    std::unique_ptr<MainWindowForm> form_;
};

}  // namespace marrowick
