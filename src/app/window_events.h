// Where each event of MainWindow goes. A toolkit reports every event of every control here;
// the events no handler takes are dropped.
#pragma once

#include "app/window_layout.h"

enum KeyModifier { kShiftKey = 1, kControlKey = 2, kAltKey = 4 };

void DeliverCreated();
void DeliverClicked(Control control);
void DeliverTextChanged(Control control);
// `keyCode` is the Windows virtual-key code (13 for either Enter key).
void DeliverKeyPressed(Control control, int keyCode, int modifiers);
