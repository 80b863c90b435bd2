// The window program from start to end.
#pragma once

#include <functional>

#include "app/window_port.h"

struct WindowProgramHooks {
    // Stands between the handlers and the toolkit's window, a recorder for instance.
    std::function<WindowPort*(WindowPort* toolkitWindow)> wrapWindow;
    // Runs on the window's thread once the window is shown.
    std::function<void()> shown;
};

// Opens MainWindow, runs it until it is closed and ends the process with 0; returns 1 only
// when no window can be shown.
int RunWindowProgram(const WindowProgramHooks& hooks = WindowProgramHooks());
