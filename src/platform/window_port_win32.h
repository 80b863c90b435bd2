// WindowPort over the Win32 controls of MainWindow.
#pragma once

#include <windows.h>

#include "app/window_port.h"

namespace platform {

// Posted to the main window to have its thread take the posted control changes.
constexpr UINT kWakeMessage = WM_APP + 1;

class Win32Window : public WindowPort {
  public:
    explicit Win32Window(HWND window) : window_(window) {}

    Text ControlText(Control control) override;
    void SetControlText(Control control, const Text& text) override;
    void SetControlEnabled(Control control, bool enabled) override;
    void SetControlVisible(Control control, bool visible) override;
    bool IsControlSelected(Control control) override;
    void ShowError(const Text& message, const Text& title) override;
    bool AskYesNo(const Text& question, const Text& title) override;
    void WakeWindowThread() override;

  private:
    HWND window_;
};

}  // namespace platform
