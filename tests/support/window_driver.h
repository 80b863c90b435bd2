// Another program's hands on the window program: starts it, finds its window, types, clicks
// and presses keys as a user would, reads back what can be read from outside, and watches it
// end. Linux drives the X server (xdotool, xclip, ImageMagick's import) and needs DISPLAY;
// Windows finds the window and its controls and sends them messages.
#pragma once

#include <string>
#include <vector>

#include "app/window_layout.h"
#include "text/text.h"

class WindowDriver {
  public:
    WindowDriver();
    ~WindowDriver();  // kills the program if it still runs
    WindowDriver(const WindowDriver&) = delete;
    WindowDriver& operator=(const WindowDriver&) = delete;

    // Starts the program; false when it cannot be started.
    bool Launch(const std::string& program, const std::vector<std::string>& arguments);
    // Waits until the main window is shown; false after `ms`.
    bool FindMainWindow(int ms);

    void TypeIntoInput(const Text& gbk);  // 编辑框1 gets exactly this text
    void PressEnterInInput();
    void Click(Control control);
    void PressEscape();  // in the main window
    // 编辑框2's text, as a user copying it would get it.
    Text OutputText();
    // An image of the main window, as a PNG or BMP file at `path` (the extension says which
    // the target writes: see ScreenshotExtension).
    bool SaveScreenshot(const std::string& path);
    static const char* ScreenshotExtension();

    // The question asked from the cookie thread: waits until it is shown (and, on Linux, moves
    // it aside as a user would, so that the window under it can be clicked); answers it.
    bool FindQuestion(int ms);
    void AnswerQuestion(bool yes);

    // Waits up to `ms` for the program to end: its exit code, or -1 if it still runs.
    int WaitForExit(int ms);

  private:
    struct Impl;
    Impl* impl_;
};
