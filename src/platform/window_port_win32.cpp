#include "platform/window_port_win32.h"

#include <string>

#include "platform/window_controls_win32.h"
#include "platform/window_text_win32.h"

namespace platform {

Text Win32Window::ControlText(Control control) {
    HWND child = ControlHandle(control);
    const int length = GetWindowTextLengthW(child);
    if (length <= 0) return Text();
    std::wstring wide(length + 1, L'\0');
    wide.resize(GetWindowTextW(child, &wide[0], length + 1));
    return GbkFromWide(wide);
}

void Win32Window::SetControlText(Control control, const Text& text) {
    SetWindowTextW(ControlHandle(control), WideFromGbk(text).c_str());
}

void Win32Window::SetControlEnabled(Control control, bool enabled) {
    HWND child = ControlHandle(control);
    // A disabled window loses the focus to nobody, and keys then reach no control: not even
    // Esc would close the window. The next control takes it, as the dialog manager does.
    if (!enabled && GetFocus() == child) SetFocus(GetNextDlgTabItem(window_, child, FALSE));
    EnableWindow(child, enabled);
}

void Win32Window::SetControlVisible(Control control, bool visible) {
    ShowWindow(ControlHandle(control), visible ? SW_SHOW : SW_HIDE);
}

bool Win32Window::IsControlSelected(Control control) {
    return SendMessageW(ControlHandle(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// No owner: task-modal boxes disable the windows of the calling thread, and only those.
void Win32Window::ShowError(const Text& message, const Text& title) {
    HWND focus = GetFocus();
    MessageBoxW(nullptr, WideFromGbk(message).c_str(), WideFromGbk(title).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    // The box is gone before the window is enabled again, so the window comes back active but
    // unable to take the focus, and keys, Esc among them, would reach no control.
    SetActiveWindow(window_);
    SetFocus(IsChild(window_, focus) ? focus : window_);
}

bool Win32Window::AskYesNo(const Text& question, const Text& title) {
    return MessageBoxW(nullptr, WideFromGbk(question).c_str(), WideFromGbk(title).c_str(),
                       MB_YESNO | MB_ICONERROR | MB_TASKMODAL) == IDYES;
}

void Win32Window::WakeWindowThread() {
    PostMessageW(window_, kWakeMessage, 0, 0);
}

}  // namespace platform
