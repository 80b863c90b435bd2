// A window that writes down every change the handlers make to it, one UTF-8 line each, and
// passes it on to the toolkit's window: what another program needs to follow the window from
// outside, on toolkits whose controls cannot be read from outside.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>

#include "app/window_port.h"

class TracedWindow : public WindowPort {
  public:
    TracedWindow(WindowPort* window, std::FILE* trace) : window_(window), trace_(trace) {}

    Text ControlText(Control control) override { return window_->ControlText(control); }
    void SetControlText(Control control, const Text& text) override;
    void SetControlEnabled(Control control, bool enabled) override;
    void SetControlVisible(Control control, bool visible) override;
    bool IsControlSelected(Control control) override { return window_->IsControlSelected(control); }
    void ShowError(const Text& message, const Text& title) override;
    bool AskYesNo(const Text& question, const Text& title) override;
    void WakeWindowThread() override { window_->WakeWindowThread(); }

  private:
    void Write(const char* what, const char* name, const Text& value);

    WindowPort* window_;
    std::FILE* trace_;
    std::mutex mutex_;
};

// The lines of the trace: "<what> <control> <value>", the value UTF-8 with CR and LF written
// as \r and \n. What: "text" (the text as the toolkit shows it afterwards), "enabled",
// "visible", and "error" and "question" with "-" for the control.
std::string TraceValue(const Text& gbk);

// The layout as the toolkit reports it: "client <w> <h>", then "<control> <x> <y> <w> <h>".
void WriteLayoutReport(std::FILE* out);
