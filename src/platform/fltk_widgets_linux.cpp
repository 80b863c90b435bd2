#include "platform/fltk_widgets_linux.h"

#include <fontconfig/fontconfig.h>

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Round_Button.H>
#include <FL/fl_draw.H>

#include <string>

#include "app/window_events.h"

namespace platform {

namespace {

int controlFont = FL_HELVETICA;

// The Windows virtual-key code of the key FLTK reports.
int VirtualKey(int key) {
    if (key == FL_Enter || key == FL_KP_Enter) return 13;
    if (key == FL_Escape) return 27;
    if (key == FL_Tab) return 9;
    if (key == FL_BackSpace) return 8;
    if (key >= 'a' && key <= 'z') return key - 'a' + 'A';
    if (key < 0x80) return key;
    return 0;
}

int Modifiers() {
    const int state = Fl::event_state();
    return ((state & FL_SHIFT) ? kShiftKey : 0) | ((state & FL_CTRL) ? kControlKey : 0) |
           ((state & FL_ALT) ? kAltKey : 0);
}

Fl_Color ToFl(Rgb rgb) {
    return fl_rgb_color(rgb.red, rgb.green, rgb.blue);
}

void ControlClicked(Fl_Widget*, void* control) {
    DeliverClicked(static_cast<Control>(reinterpret_cast<intptr_t>(control)));
}

void ControlChanged(Fl_Widget*, void* control) {
    DeliverTextChanged(static_cast<Control>(reinterpret_cast<intptr_t>(control)));
}

void* Tag(Control control) {
    return reinterpret_cast<void*>(static_cast<intptr_t>(control));
}

}  // namespace

int ControlFont() {
    return controlFont;
}

void ChooseControlFont() {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:lang=zh-cn"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* family = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch) {
        // FLTK keeps the pointer for the whole run.
        static std::string chosen;
        chosen = reinterpret_cast<const char*>(family);
        Fl::set_font(FL_FREE_FONT, chosen.c_str());
        controlFont = FL_FREE_FONT;
    }
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
}

void GroupFrame::draw() {
    // Damage to a child alone redraws that child only; the frame would paint over the rest.
    if (damage() & ~FL_DAMAGE_CHILD) DrawFrame();
    draw_children();
}

void GroupFrame::DrawFrame() {
    fl_font(labelfont(), labelsize());
    const int captionHeight = fl_height();
    const int top = y() + captionHeight / 2;
    fl_color(color());
    fl_rectf(x(), y(), w(), h());
    fl_draw_box(FL_ENGRAVED_FRAME, x(), top, w(), h() - (top - y()), color());
    if (!label()) return;
    int cw = 0, ch = 0;
    fl_measure(label(), cw, ch, 0);
    fl_color(color());
    fl_rectf(x() + 8, y(), cw, captionHeight);
    fl_color(labelcolor());
    fl_draw(label(), x() + 8, y(), cw, captionHeight, FL_ALIGN_LEFT | FL_ALIGN_INSIDE, nullptr, 0);
}

int InputBox::handle(int event) {
    if (event == FL_KEYBOARD) DeliverKeyPressed(control_, VirtualKey(Fl::event_key()), Modifiers());
    return Fl_Input::handle(event);
}

Fl_Widget* MakeControlWidget(const ControlSpec& spec) {
    const Rect r = ClientRectOf(spec.control);
    Fl_Widget* widget = nullptr;
    switch (spec.kind) {
        case ControlKind::kGroupBox: {
            GroupFrame* group = new GroupFrame(r.x, r.y, r.width, r.height);
            group->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
            widget = group;
            break;
        }
        case ControlKind::kRadioButton: {
            Fl_Round_Button* radio = new Fl_Round_Button(r.x, r.y, r.width, r.height);
            radio->type(FL_RADIO_BUTTON);
            radio->value(spec.selected);
            radio->when(FL_WHEN_RELEASE_ALWAYS);
            radio->callback(ControlClicked, Tag(spec.control));
            widget = radio;
            break;
        }
        case ControlKind::kLabel: {
            Fl_Box* label = new Fl_Box(r.x, r.y, r.width, r.height);
            label->box(FL_NO_BOX);
            // A label of one line is centred both ways; a label of several starts at its top.
            const bool lines = spec.height > 2 * kControlFontSize;
            label->align(FL_ALIGN_INSIDE | (lines ? FL_ALIGN_TOP : FL_ALIGN_CENTER));
            widget = label;
            break;
        }
        case ControlKind::kEditBox: {
            InputBox* input = new InputBox(spec.control, r.x, r.y, r.width, r.height);
            input->box(FL_DOWN_BOX);
            input->color(FL_WHITE);
            input->textcolor(FL_BLACK);
            input->textfont(controlFont);
            input->textsize(kControlFontSize);
            input->readonly(spec.readOnly);
            input->when(FL_WHEN_CHANGED);
            input->callback(ControlChanged, Tag(spec.control));
            widget = input;
            break;
        }
        case ControlKind::kPushButton: {
            Fl_Button* button = new Fl_Button(r.x, r.y, r.width, r.height);
            button->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE);
            button->callback(ControlClicked, Tag(spec.control));
            widget = button;
            break;
        }
    }
    widget->labelfont(controlFont);
    widget->labelsize(kControlFontSize);
    if (spec.coloured) widget->labelcolor(ToFl(spec.colour));
    if (!spec.visible) widget->hide();
    if (!spec.enabled) widget->deactivate();
    return widget;
}

}  // namespace platform
