// The start button's routine: starts what INPUT_CMD holds.
#pragma once

#include "launch/command_launcher.h"
#include "ui/form_access.h"

namespace marrowick {

// Reads INPUT_CMD (absent reads as empty) and starts it. Returns once the start has happened or
// failed; it neither waits for the process to end nor reports a failure.
void RunCommandLine(FormAccess& form, CommandLauncher& launcher);

}  // namespace marrowick
