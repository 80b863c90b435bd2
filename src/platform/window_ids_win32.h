// What another program needs to find MainWindow and its controls on Windows: the window class
// and the identifier of each control.
#pragma once

#include "app/window_layout.h"

namespace platform {

constexpr wchar_t kMainWindowClass[] = L"QuenlovMainWindow";

// Clear of IDOK and IDCANCEL (1 and 2), which the dialog manager sends for Enter and Esc.
constexpr int kFirstControlId = 1000;

inline int ControlIdOf(Control control) {
    return kFirstControlId + IndexOf(control);
}

// The control of an identifier; false for identifiers that name none.
inline bool ControlOfId(int id, Control& control) {
    const int index = id - kFirstControlId;
    if (index < 0 || index >= kControlCount) return false;
    control = static_cast<Control>(index);
    return true;
}

}  // namespace platform
