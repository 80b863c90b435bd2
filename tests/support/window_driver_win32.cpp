// The Windows driver: starts the program with CreateProcessW, finds its window by class and
// title, and works its controls through the messages a user's actions would send them.
#include <windows.h>

#include <chrono>
#include <thread>

#include "app/window_layout.h"
#include "platform/window_ids_win32.h"
#include "support/window_driver.h"
#include "support/window_screenshot_win32.h"

namespace {

constexpr UINT kSendTimeoutMs = 10000;

std::wstring WideIn(UINT codePage, const std::string& text) {
    if (text.empty()) return std::wstring();
    const int n =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

std::string NarrowIn(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) return std::string();
    const int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string text(n, '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &text[0], n,
                        nullptr, nullptr);
    return text;
}

// The tests name programs by their Unix paths; Wine says where those are on its drives.
std::wstring WindowsPath(const std::string& path) {
    using DosNameFn = WCHAR*(CDECL*)(const char*);
    const auto dosName = reinterpret_cast<DosNameFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (!dosName || path.empty() || path[0] != '/') return WideIn(CP_ACP, path);
    WCHAR* converted = dosName(path.c_str());
    if (!converted) return WideIn(CP_ACP, path);
    std::wstring result(converted);
    HeapFree(GetProcessHeap(), 0, converted);
    return result;
}

// One argument as the C runtime's command-line parser reads it back.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            backslashes++;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

// A key as the keyboard would queue it for the window with the focus.
void PostKey(HWND window, UINT virtualKey) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(window, WM_KEYDOWN, virtualKey, scan | 1);
    PostMessageW(window, WM_KEYUP, virtualKey, scan | 1 | (1 << 30) | (1u << 31));
}

}  // namespace

struct WindowDriver::Impl {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    HWND question = nullptr;

    HWND Child(Control control) const { return GetDlgItem(window, platform::ControlIdOf(control)); }
    HWND FindShown() const;
    HWND FindShownDialog() const;
};

// The program's own message boxes are dialogs of the system's class, titled "错误".
HWND WindowDriver::Impl::FindShownDialog() const {
    const std::wstring title = WideIn(936, "\xB4\xED\xCE\xF3");
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, L"#32770", title.c_str()))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == process.dwProcessId && IsWindowVisible(found)) return found;
    }
    return nullptr;
}

HWND WindowDriver::Impl::FindShown() const {
    const std::wstring title = WideIn(CP_ACP, kWindowTitle);
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, platform::kMainWindowClass, title.c_str()))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == process.dwProcessId && IsWindowVisible(found)) return found;
    }
    return nullptr;
}

WindowDriver::WindowDriver() : impl_(new Impl) {}

WindowDriver::~WindowDriver() {
    if (impl_->process.hProcess) {
        if (WaitForSingleObject(impl_->process.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(impl_->process.hProcess, 1);
            WaitForSingleObject(impl_->process.hProcess, 5000);
        }
        CloseHandle(impl_->process.hProcess);
    }
    delete impl_;
}

bool WindowDriver::Launch(const std::string& program, const std::vector<std::string>& arguments) {
    const std::wstring path = WindowsPath(program);
    std::wstring commandLine = Quoted(path);
    for (const std::string& argument : arguments) {
        commandLine += L" " + Quoted(WideIn(CP_ACP, argument));
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &impl_->process)) {
        return false;
    }
    CloseHandle(impl_->process.hThread);
    impl_->process.hThread = nullptr;
    return true;
}

bool WindowDriver::FindMainWindow(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!(impl_->window = impl_->FindShown())) {
        if (std::chrono::steady_clock::now() >= end) return false;
        if (WaitForSingleObject(impl_->process.hProcess, 50) == WAIT_OBJECT_0) return false;
    }
    return true;
}

// WM_SETTEXT, as pasting over the whole text would: the edit box reports the change.
void WindowDriver::TypeIntoInput(const Text& gbk) {
    const std::wstring wide = WideIn(936, gbk);
    Send(impl_->Child(Control::编辑框1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

// Posted, so that the key passes through the program's message loop as a real one does.
void WindowDriver::PressEnterInInput() {
    PostKey(impl_->Child(Control::编辑框1), VK_RETURN);
}

void WindowDriver::Click(Control control) {
    Send(impl_->Child(control), BM_CLICK, 0, 0);
}

// To the control with the focus, where the keyboard would send it.
void WindowDriver::PressEscape() {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    HWND target = nullptr;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(impl_->window, nullptr), &thread)) {
        target = thread.hwndFocus;
    }
    PostKey(target ? target : impl_->Child(Control::编辑框1), VK_ESCAPE);
}

bool WindowDriver::FindQuestion(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!(impl_->question = impl_->FindShownDialog())) {
        if (std::chrono::steady_clock::now() >= end) return false;
        if (WaitForSingleObject(impl_->process.hProcess, 50) == WAIT_OBJECT_0) return false;
    }
    return true;
}

// The button a user would press; the box closes, and the asking thread goes on.
void WindowDriver::AnswerQuestion(bool yes) {
    HWND question = impl_->question;
    impl_->question = nullptr;
    Send(GetDlgItem(question, yes ? IDYES : IDNO), BM_CLICK, 0, 0);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (IsWindow(question) && IsWindowVisible(question) &&
           std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

Text WindowDriver::OutputText() {
    HWND output = impl_->Child(Control::编辑框2);
    const LRESULT length = Send(output, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return Text();
    std::wstring wide(length + 1, L'\0');
    const LRESULT got = Send(output, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(&wide[0]));
    wide.resize(got > 0 ? got : 0);
    return NarrowIn(936, wide);
}

bool WindowDriver::SaveScreenshot(const std::string& path) {
    return SaveWindowImage(impl_->window, path);
}

const char* WindowDriver::ScreenshotExtension() {
    return "bmp";
}

int WindowDriver::WaitForExit(int ms) {
    if (!impl_->process.hProcess ||
        WaitForSingleObject(impl_->process.hProcess, ms) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(impl_->process.hProcess, &code);
    return static_cast<int>(code);
}
