// Whether the window system can be reached, checked before the toolkit tries (and aborts).
#pragma once

#include <string>

namespace marrowick {

// Empty when a display looks usable; otherwise why not, in one line.
std::string missing_display_reason();

// From here on a fatal message of the toolkit during its start-up ends the process with status
// 255 and one line on standard error, instead of an abort and a core dump.
void end_quietly_if_the_display_fails();

// The toolkit has started: its later fatal messages are reported as a failure to create the
// window.
void display_opened();

}  // namespace marrowick
