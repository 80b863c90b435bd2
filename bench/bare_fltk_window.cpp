// The yardstick for the window program's start-up: a bare FLTK window with the same twenty
// controls at the same places, in the same Chinese face, and nothing behind them. Prints
// "painted" and ends once its first picture is on the screen.
#include <unistd.h>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>

#include <cstdio>

#include "app/window_layout.h"

namespace {

class BareWindow : public Fl_Double_Window {
  public:
    BareWindow() : Fl_Double_Window(kClientWidth, kClientHeight, "Quenlov") {}
    void flush() override {
        Fl_Double_Window::flush();
        std::printf("painted\n");
        std::fflush(stdout);
        _exit(0);
    }
};

Fl_Widget* Make(const ControlSpec& spec) {
    const Rect r = ClientRectOf(spec.control);
    switch (spec.kind) {
        case ControlKind::kGroupBox:
            return new Fl_Group(r.x, r.y, r.width, r.height, "group");
        case ControlKind::kRadioButton:
            return new Fl_Round_Button(r.x, r.y, r.width, r.height, "radio");
        case ControlKind::kLabel:
            return new Fl_Box(r.x, r.y, r.width, r.height, "label");
        case ControlKind::kEditBox:
            return new Fl_Input(r.x, r.y, r.width, r.height);
        case ControlKind::kPushButton:
            return new Fl_Button(r.x, r.y, r.width, r.height, "button");
    }
    return nullptr;
}

}  // namespace

int main() {
    Fl::set_font(FL_FREE_FONT, "WenQuanYi Micro Hei");
    BareWindow window;
    Fl_Group* group = nullptr;
    for (const ControlSpec& spec : kControls) {
        if (group && spec.parent < 0) {
            group->end();
            group = nullptr;
        }
        Fl_Widget* widget = Make(spec);
        widget->labelfont(FL_FREE_FONT);
        widget->labelsize(12);
        if (spec.kind == ControlKind::kGroupBox) group = static_cast<Fl_Group*>(widget);
    }
    if (group) group->end();
    window.end();
    window.show();
    return Fl::run();
}
