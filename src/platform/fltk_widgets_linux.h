// The FLTK widgets MainWindow is made of, one per kind of control in the table.
#pragma once

#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>

#include "app/window_layout.h"

namespace platform {

// The face every control is drawn in: a Chinese one chosen through fontconfig, since FLTK
// falls back to no other face for characters its own lacks.
constexpr int kControlFontSize = 12;
int ControlFont();
void ChooseControlFont();

// A group box: an etched frame with its caption over the top edge, at the left.
class GroupFrame : public Fl_Group {
  public:
    GroupFrame(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {}
    void draw() override;

  private:
    void DrawFrame();
};

// An edit box that reports every key pressed in it before handling the key as usual.
class InputBox : public Fl_Input {
  public:
    InputBox(Control control, int x, int y, int w, int h)
        : Fl_Input(x, y, w, h), control_(control) {}
    int handle(int event) override;

  private:
    Control control_;
};

// The widget for one row of the table, placed in the window (inside its group box's widget,
// when it has one, which must be the current group). The label is left to the caller.
Fl_Widget* MakeControlWidget(const ControlSpec& spec);

}  // namespace platform
