// MainWindow's controls as Win32 child windows: made from the table of controls, and the
// colours the table gives them.
#pragma once

#include <windows.h>

#include "app/window_layout.h"

namespace platform {

// Every control of the table as a child of `window`, at its client-area place, in its initial
// state. All are children of the main window itself: Win32 group boxes pass no messages on.
void CreateControls(HWND window);

// The window the controls were made in, null before.
HWND MainWindowHandle();
HWND ControlHandle(Control control);
// The control a child window is; false for windows that are none.
bool ControlOfHandle(HWND child, Control& control);

// WM_CTLCOLORSTATIC: the brush for a control with colours of its own, having set them on
// `dc`; null for the default colours.
HBRUSH ControlColours(HWND child, HDC dc);

}  // namespace platform
