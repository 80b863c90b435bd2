// The X server's side of driving a window: xdotool for the pointer and the keyboard, the
// clipboard through xclip, a screenshot through ImageMagick's import. FLTK's controls cannot
// be read from outside, so the window is found by its class and its controls by the table.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "support/window_driver.h"
#include "text/encoding.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Quote(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

// The command's standard output, its last line break taken off.
std::string Run(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        pclose(pipe);
    }
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

}  // namespace

struct WindowDriver::Impl {
    pid_t pid = -1;
    int exitCode = -1;
    std::string window;  // the X window id, in decimal
    std::string question;
    int originX = 0, originY = 0;

    void ClickAt(Control control) {
        const Rect r = ClientRectOf(control);
        // No --sync: it waits for a motion that never comes when the pointer is already there.
        Run("xdotool mousemove " + std::to_string(originX + r.x + r.width / 2) + " " +
            std::to_string(originY + r.y + r.height / 2) + " click 1");
    }
    void Keys(const std::string& keys) { Run("xdotool key --delay 20 " + keys); }
};

WindowDriver::WindowDriver() : impl_(new Impl) {}

WindowDriver::~WindowDriver() {
    if (impl_->pid > 0 && WaitForExit(0) < 0) {
        kill(impl_->pid, SIGKILL);
        waitpid(impl_->pid, nullptr, 0);
    }
    delete impl_;
}

bool WindowDriver::Launch(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    impl_->pid = fork();
    if (impl_->pid == 0) {
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return impl_->pid > 0;
}

// The first shown window of that class, or empty after `ms`.
std::string WaitForWindowOfClass(const std::string& windowClass, int ms) {
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < end) {
        std::string window =
            Run("xdotool search --onlyvisible --class '^" + windowClass + "$' | head -1");
        if (!window.empty()) return window;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::string();
}

bool WindowDriver::FindMainWindow(int ms) {
    impl_->window = WaitForWindowOfClass("quenlov", ms);
    if (impl_->window.empty()) return false;
    // Without a window manager nobody gives the window the focus.
    Run("xdotool windowfocus --sync " + impl_->window);
    const std::string geometry = Run("xdotool getwindowgeometry --shell " + impl_->window);
    std::sscanf(geometry.c_str() + geometry.find("X="), "X=%d", &impl_->originX);
    std::sscanf(geometry.c_str() + geometry.find("Y="), "Y=%d", &impl_->originY);
    return true;
}

bool WindowDriver::FindQuestion(int ms) {
    impl_->question = WaitForWindowOfClass("quenlov-message", ms);
    if (impl_->question.empty()) return false;
    Run("xdotool windowmove --sync " + impl_->question + " 0 0");
    return true;
}

void WindowDriver::AnswerQuestion(bool yes) {
    Run("xdotool windowfocus --sync " + impl_->question);
    impl_->Keys(yes ? "y" : "n");
    impl_->question.clear();
    Run("xdotool windowfocus --sync " + impl_->window);
}

void WindowDriver::TypeIntoInput(const Text& gbk) {
    impl_->ClickAt(Control::编辑框1);
    impl_->Keys("ctrl+a BackSpace");
    Run("xdotool type --delay 5 -- " + Quote(TextToUtf8(gbk)));
}

void WindowDriver::PressEnterInInput() {
    impl_->ClickAt(Control::编辑框1);
    impl_->Keys("Return");
}

void WindowDriver::Click(Control control) {
    impl_->ClickAt(control);
}

void WindowDriver::PressEscape() {
    impl_->Keys("Escape");
}

Text WindowDriver::OutputText() {
    Run("printf '' | xclip -selection clipboard >/dev/null");
    impl_->ClickAt(Control::编辑框2);
    impl_->Keys("ctrl+a ctrl+c");
    return Utf8ToText(Run("timeout 5 xclip -o -selection clipboard"));
}

bool WindowDriver::SaveScreenshot(const std::string& path) {
    Run("import -window " + impl_->window + " " + Quote(path));
    return access(path.c_str(), R_OK) == 0;
}

const char* WindowDriver::ScreenshotExtension() {
    return "png";
}

int WindowDriver::WaitForExit(int ms) {
    if (impl_->exitCode >= 0) return impl_->exitCode;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        int status = 0;
        if (waitpid(impl_->pid, &status, WNOHANG) == impl_->pid) {
            impl_->exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return impl_->exitCode;
        }
        if (Clock::now() >= end) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}
