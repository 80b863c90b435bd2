// The window toolkit: builds MainWindow from the table of controls, reports its events to
// the application and runs the message loop.
#pragma once

#include "app/window_port.h"

namespace platform {

// Sets up the toolkit's application state; false where no window can be shown (no display).
bool OpenWindowToolkit();

// Builds MainWindow with every control in its initial state, centred, not yet shown. The port
// lives until the process ends.
WindowPort* CreateMainWindow();
void ShowMainWindow();

// Runs until MainWindow is closed (close box, system menu or Esc).
void RunMessageLoop();

// Where the toolkit has put a control, in client-area pixels, and the client area's size.
Rect ReportedControlRect(Control control);
Rect ReportedClientArea();

// Calls `painted` once, on the window's thread, when the window's first picture has been put
// on the screen.
void WhenFirstPainted(void (*painted)());

// Ends the process at once, without waiting for other threads or running static destructors,
// which those threads may still be using.
[[noreturn]] void EndProcessNow(int exitCode);

}  // namespace platform
