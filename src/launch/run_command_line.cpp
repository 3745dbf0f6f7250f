#include "launch/run_command_line.h"

namespace marrowick {

void RunCommandLine(FormAccess& form, CommandLauncher& launcher) {
    Text command = form.read_content(ControlId::INPUT_CMD);
    launcher.start(command.view());
    command.release();
}

}  // namespace marrowick
