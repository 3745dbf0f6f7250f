// Marrowick_GUI: composes the command line of the Trovilane article downloader and starts it.
//
// The program takes no arguments (whatever is passed changes nothing, Qt's own options
// included), reads and writes no settings, and works in the folder that holds its executable.
#include <QApplication>

#include <cstdio>

#include "app/application_qt.h"
#include "app/display_check.h"
#include "app/fatal_report_qt.h"
#include "app/process_setup.h"
#include "app/program_folder.h"
#include "launch/child_reaper_qt.h"
#include "launch/command_launcher_posix.h"

int main(int /*argc*/, char** argv) {
    using namespace marrowick;

    const std::string program_folder = program_folder_of(own_executable_path());
    make_current_directory(program_folder);  // a failure is ignored

    if (const std::string reason = missing_display_reason(); !reason.empty()) {
        std::fprintf(stderr, "marrowick_gui: cannot open the window: %s\n", reason.c_str());
        return 255;
    }
    end_quietly_if_the_display_fails();
    int qt_argc = 1;
    char* qt_argv[] = {argv[0], nullptr};
    QApplication toolkit(qt_argc, qt_argv);
    display_opened();

    QtChildReaper reaper;
    PosixCommandLauncher launcher(program_folder, reaper);
    Application application(launcher);
    install_fatal_report(application.router());
    application.LoadMainWindow();
    return application.RunMessageLoop();
}
