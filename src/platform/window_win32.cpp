// MainWindow as a Win32 top-level window with a fixed frame, its controls made from the table.
#include "platform/window.h"

#include <windows.h>

#include "app/window_changes.h"
#include "app/window_events.h"
#include "platform/window_controls_win32.h"
#include "platform/window_ids_win32.h"
#include "platform/window_port_win32.h"
#include "platform/window_text_win32.h"

namespace platform {
namespace {

constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Nothing reaches the handlers while the window is half made.
bool reporting = false;
// The control that had the focus when the window was last deactivated.
HWND savedFocus = nullptr;
void (*firstPainted)() = nullptr;

void OnCommand(HWND window, WPARAM wParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    // Esc anywhere in the window, through the dialog manager.
    if (id == IDCANCEL) {
        DestroyWindow(window);
        return;
    }
    Control control;
    if (!reporting || !ControlOfId(id, control)) return;
    if (code == BN_CLICKED) DeliverClicked(control);
    if (code == EN_CHANGE) DeliverTextChanged(control);
}

// As a dialog does: the focus goes back to the control that had it, or to the first one.
void RestoreFocus(HWND window) {
    HWND target = savedFocus;
    if (!target || !IsWindowEnabled(target) || !IsWindowVisible(target)) {
        target = GetNextDlgTabItem(window, nullptr, FALSE);
    }
    if (target) SetFocus(target);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(window, wParam);
            return 0;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush =
                    ControlColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE && IsChild(window, GetFocus())) {
                savedFocus = GetFocus();
            }
            break;
        case WM_SETFOCUS:
            RestoreFocus(window);
            return 0;
        case kWakeMessage:
            DeliverWindowChanges();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int KeyModifiers() {
    int modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0) modifiers |= kShiftKey;
    if (GetKeyState(VK_CONTROL) < 0) modifiers |= kControlKey;
    if (GetKeyState(VK_MENU) < 0) modifiers |= kAltKey;
    return modifiers;
}

// Seen before the dialog manager turns Enter and Esc into commands; the key goes on as usual.
void ReportKeyPress(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return;
    Control control;
    if (!reporting || !ControlOfHandle(msg.hwnd, control)) return;
    DeliverKeyPressed(control, static_cast<int>(msg.wParam), KeyModifiers());
}

}  // namespace

bool OpenWindowToolkit() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

WindowPort* CreateMainWindow() {
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWindowOuterWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kWindowOuterHeight) / 2;
    HWND window = CreateWindowExW(0, kMainWindowClass, WideFromGbk(kWindowTitle).c_str(),
                                  kMainWindowStyle, x, y, kWindowOuterWidth, kWindowOuterHeight,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window) CreateControls(window);
    reporting = true;
    return new Win32Window(window);
}

void ShowMainWindow() {
    HWND window = MainWindowHandle();
    ShowWindow(window, SW_SHOWNORMAL);
    // The window and every control painted now, not when the loop gets round to it, so that
    // the first picture is complete when it is reported.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (firstPainted) {
        void (*painted)() = firstPainted;
        firstPainted = nullptr;
        painted();
    }
}

void WhenFirstPainted(void (*painted)()) {
    firstPainted = painted;
}

void RunMessageLoop() {
    HWND window = MainWindowHandle();
    if (!window) return;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ReportKeyPress(msg);
        if (IsDialogMessageW(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

Rect ReportedControlRect(Control control) {
    RECT rect;
    if (!GetWindowRect(ControlHandle(control), &rect)) return Rect{0, 0, 0, 0};
    MapWindowPoints(HWND_DESKTOP, MainWindowHandle(), reinterpret_cast<POINT*>(&rect), 2);
    return Rect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

Rect ReportedClientArea() {
    RECT rect;
    if (!GetClientRect(MainWindowHandle(), &rect)) return Rect{0, 0, 0, 0};
    return Rect{0, 0, rect.right, rect.bottom};
}

// TerminateProcess does not wait for the other threads, which may be inside WinINet.
void EndProcessNow(int exitCode) {
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
    ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace platform
