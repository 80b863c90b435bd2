// What the handlers need of MainWindow, whatever toolkit draws it. Every call is made on the
// window's thread, except AskYesNo and WakeWindowThread.
#pragma once

#include "app/window_layout.h"
#include "text/text.h"

class WindowPort {
  public:
    virtual ~WindowPort() = default;

    virtual Text ControlText(Control control) = 0;
    virtual void SetControlText(Control control, const Text& text) = 0;
    virtual void SetControlEnabled(Control control, bool enabled) = 0;
    virtual void SetControlVisible(Control control, bool visible) = 0;
    virtual bool IsControlSelected(Control control) = 0;

    // The error icon and OK, modal for the window; returns once the user has dismissed it.
    virtual void ShowError(const Text& message, const Text& title) = 0;

    // Asked from a background thread: the error icon with Yes and No. The window stays usable
    // while the question is open; true for Yes.
    virtual bool AskYesNo(const Text& question, const Text& title) = 0;

    // Any thread: have the window's thread call DeliverWindowChanges soon.
    virtual void WakeWindowThread() = 0;
};
