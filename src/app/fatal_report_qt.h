// Reporting fatal failures to the user: an error box, then the end of the process.
#pragma once

namespace marrowick {

class EventRouter;

// Installs the fatal-failure handler of the window program, for texts and, through the
// new-handler, for every other allocation. While its box is up and afterwards no event reaches
// a routine of `router`; the process then ends with status 255.
void install_fatal_report(EventRouter& router);

}  // namespace marrowick
