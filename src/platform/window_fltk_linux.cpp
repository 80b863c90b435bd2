// MainWindow drawn by FLTK. FLTK runs on the window's thread only; other threads reach it
// through Fl::awake, which is safe to call from any thread once Fl::lock has been called.
#include <X11/Xlib.h>
#include <unistd.h>

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/x.H>

#include <cstdio>

#include "app/window_changes.h"
#include "platform/fltk_dialogs_linux.h"
#include "platform/fltk_text_linux.h"
#include "platform/fltk_widgets_linux.h"
#include "platform/window.h"

namespace platform {

namespace {

// Inside the button's frame, where its caption may go.
constexpr int kButtonCaptionInset = 8;

void DeliverChanges(void*) {
    DeliverWindowChanges();
}

void (*firstPainted)() = nullptr;

// The top-level window, which says when its first picture is on the screen.
class TopWindow : public Fl_Double_Window {
  public:
    TopWindow(int w, int h) : Fl_Double_Window(w, h) {}
    void flush() override {
        Fl_Double_Window::flush();
        if (firstPainted) {
            void (*painted)() = firstPainted;
            firstPainted = nullptr;
            painted();
        }
    }
};

class FltkWindow : public WindowPort {
  public:
    FltkWindow();
    Fl_Double_Window* window() { return window_; }
    Fl_Widget* widget(Control control) { return widgets_[IndexOf(control)]; }

    Text ControlText(Control control) override;
    void SetControlText(Control control, const Text& text) override;
    void SetControlEnabled(Control control, bool enabled) override;
    void SetControlVisible(Control control, bool visible) override;
    bool IsControlSelected(Control control) override;
    void ShowError(const Text& message, const Text& title) override;
    bool AskYesNo(const Text& question, const Text& title) override;
    void WakeWindowThread() override { Fl::awake(DeliverChanges, nullptr); }

  private:
    void SetCaption(const ControlSpec& spec, const Text& text);

    Fl_Double_Window* window_;
    Fl_Widget* widgets_[kControlCount];
    Text captions_[kControlCount];  // what each caption was set to, before wrapping
};

FltkWindow* mainWindow = nullptr;

bool MainWindowOpen() {
    return mainWindow && mainWindow->window()->shown();
}

FltkWindow::FltkWindow() {
    window_ = new TopWindow(kClientWidth, kClientHeight);
    window_->copy_label(ToolkitText(kWindowTitle).c_str());
    window_->xclass("quenlov");
    window_->color(fl_rgb_color(kButtonFace.red, kButtonFace.green, kButtonFace.blue));
    window_->size_range(kClientWidth, kClientHeight, kClientWidth, kClientHeight);
    Fl_Group* openGroup = nullptr;
    for (const ControlSpec& spec : kControls) {
        if (openGroup && spec.parent < 0) {
            openGroup->end();
            openGroup = nullptr;
        }
        Fl_Widget* widget = MakeControlWidget(spec);
        widget->color(window_->color());
        widgets_[IndexOf(spec.control)] = widget;
        SetCaption(spec, InitialTextOf(spec.control));
        if (spec.kind == ControlKind::kGroupBox) {
            openGroup = static_cast<Fl_Group*>(widget);
            openGroup->begin();
        }
    }
    if (openGroup) openGroup->end();
    widgets_[IndexOf(Control::编辑框1)]->color(FL_WHITE);
    widgets_[IndexOf(Control::编辑框2)]->color(FL_WHITE);
    window_->end();
    window_->position((Fl::w() - kClientWidth) / 2, (Fl::h() - kClientHeight) / 2);
}

void FltkWindow::SetCaption(const ControlSpec& spec, const Text& text) {
    Fl_Widget* w = widget(spec.control);
    captions_[IndexOf(spec.control)] = text;
    if (spec.kind == ControlKind::kEditBox) {
        static_cast<Fl_Input*>(w)->value(ToolkitText(text).c_str());
        return;
    }
    std::string caption = ToolkitText(text);
    int width = spec.width;
    if (spec.kind == ControlKind::kPushButton) width -= 2 * kButtonCaptionInset;
    if (spec.kind == ControlKind::kRadioButton) width -= 20;  // the round mark
    // A group box's caption and the window's title are one line; the rest wrap.
    if (spec.kind != ControlKind::kGroupBox) {
        caption = WrapToWidth(caption, w->labelfont(), w->labelsize(), width);
    }
    w->copy_label(caption.c_str());
    w->redraw_label();
}

Text FltkWindow::ControlText(Control control) {
    if (SpecOf(control).kind == ControlKind::kEditBox) {
        return FromToolkitText(static_cast<Fl_Input*>(widget(control))->value());
    }
    return captions_[IndexOf(control)];
}

void FltkWindow::SetControlText(Control control, const Text& text) {
    SetCaption(SpecOf(control), text);
}

void FltkWindow::SetControlEnabled(Control control, bool enabled) {
    if (enabled) {
        widget(control)->activate();
    } else {
        widget(control)->deactivate();
    }
}

void FltkWindow::SetControlVisible(Control control, bool visible) {
    if (visible) {
        widget(control)->show();
    } else {
        widget(control)->hide();
    }
    window_->redraw();  // a label without a box leaves its text behind otherwise
}

bool FltkWindow::IsControlSelected(Control control) {
    return static_cast<Fl_Button*>(widget(control))->value() != 0;
}

void FltkWindow::ShowError(const Text& message, const Text& title) {
    ShowErrorBox(ToolkitText(message), ToolkitText(title), MainWindowOpen);
}

bool FltkWindow::AskYesNo(const Text& question, const Text& title) {
    return AskYesNoFromAnotherThread(ToolkitText(question), ToolkitText(title));
}

}  // namespace

bool OpenWindowToolkit() {
    // FLTK ends the process when it cannot open the display; ask first.
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    XCloseDisplay(display);
    Fl::lock();  // lets the other threads wake this one with Fl::awake
    fl_open_display();
    ChooseControlFont();
    return true;
}

WindowPort* CreateMainWindow() {
    mainWindow = new FltkWindow;
    return mainWindow;
}

void ShowMainWindow() {
    mainWindow->window()->show();
}

// Ends with the main window, whatever other windows (an open question) are still shown.
void RunMessageLoop() {
    while (mainWindow->window()->shown()) Fl::wait();
}

Rect ReportedControlRect(Control control) {
    Fl_Widget* w = mainWindow->widget(control);
    return Rect{w->x(), w->y(), w->w(), w->h()};
}

Rect ReportedClientArea() {
    Fl_Window* w = mainWindow->window();
    return Rect{0, 0, w->w(), w->h()};
}

void WhenFirstPainted(void (*painted)()) {
    firstPainted = painted;
}

void EndProcessNow(int exitCode) {
    std::fflush(nullptr);
    _exit(exitCode);
}

}  // namespace platform
