// Keeping a top-level window off the desktop's task bar (and pager).
#pragma once

class QWidget;

namespace marrowick {

// Call before the window is first shown. Does nothing where the platform has no task bar to
// keep off (the offscreen platform of headless tests).
void keep_off_task_bar(QWidget& window);

}  // namespace marrowick
