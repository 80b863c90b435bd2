#include "platform/fltk_dialogs_linux.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

#include "platform/fltk_text_linux.h"
#include "platform/fltk_widgets_linux.h"

namespace platform {

namespace {

constexpr int kMargin = 14;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kTextWidth = 320;

struct MessageBox {
    Fl_Window* window;
    std::vector<Fl_Button*> buttons;
};

void HideWindow(Fl_Widget* widget, void*) {
    widget->window()->hide();
}
void HideSelf(Fl_Widget* window, void*) {
    window->hide();
}

// The red disc with a white cross of the platform's error icon.
class ErrorIcon : public Fl_Box {
  public:
    ErrorIcon(int x, int y) : Fl_Box(x, y, kIconSize, kIconSize) {}
    void draw() override {
        fl_color(fl_rgb_color(220, 40, 40));
        fl_pie(x(), y(), w(), h(), 0, 360);
        fl_color(FL_WHITE);
        fl_line_style(FL_SOLID, 3);
        const int inset = 10;
        fl_line(x() + inset, y() + inset, x() + w() - inset, y() + h() - inset);
        fl_line(x() + w() - inset, y() + inset, x() + inset, y() + h() - inset);
        fl_line_style(0);
    }
};

MessageBox BuildMessageBox(const std::string& message, const std::string& title,
                           const std::vector<const char*>& captions) {
    const std::string text = WrapToWidth(message, ControlFont(), kControlFontSize, kTextWidth);
    fl_font(ControlFont(), kControlFontSize);
    int textW = 0, textH = 0;
    fl_measure(text.c_str(), textW, textH, 0);
    const int buttonsW = static_cast<int>(captions.size()) * (kButtonWidth + 8) - 8;
    const int bodyW = std::max(kIconSize + kMargin + textW, buttonsW);
    const int bodyH = std::max(kIconSize, textH);
    const int w = bodyW + 2 * kMargin;
    const int h = kMargin + bodyH + kMargin + kButtonHeight + kMargin;

    MessageBox box;
    box.window = new Fl_Window(w, h);
    box.window->copy_label(title.c_str());
    box.window->xclass("quenlov-message");
    new ErrorIcon(kMargin, kMargin);
    Fl_Box* label = new Fl_Box(kMargin + kIconSize + kMargin, kMargin, textW, bodyH);
    label->copy_label(text.c_str());
    label->labelfont(ControlFont());
    label->labelsize(kControlFontSize);
    label->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    int x = w - kMargin - buttonsW;
    for (const char* caption : captions) {
        Fl_Button* button =
            new Fl_Button(x, h - kMargin - kButtonHeight, kButtonWidth, kButtonHeight);
        button->copy_label(caption);
        button->labelfont(ControlFont());
        button->labelsize(kControlFontSize);
        box.buttons.push_back(button);
        x += kButtonWidth + 8;
    }
    box.window->end();
    box.window->position((Fl::w() - w) / 2, (Fl::h() - h) / 2);
    return box;
}

struct Question {
    std::string text;
    std::string title;
    std::promise<bool> answer;
};

void Answer(Fl_Widget* button, void* yes) {
    auto* question = static_cast<Question*>(button->window()->user_data());
    question->answer.set_value(yes != nullptr);
    button->window()->hide();
    Fl::delete_widget(button->window());
}

void IgnoreClose(Fl_Widget*, void*) {}  // the question is answered by its buttons only

void ShowQuestion(void* data) {
    auto* question = static_cast<Question*>(data);
    MessageBox box = BuildMessageBox(question->text, question->title, {"是(Y)", "否(N)"});
    box.window->callback(IgnoreClose);
    box.window->user_data(question);
    box.buttons[0]->callback(Answer, question);
    box.buttons[1]->callback(Answer, nullptr);
    box.buttons[0]->shortcut('y');
    box.buttons[1]->shortcut('n');
    box.window->show();
}

}  // namespace

void ShowErrorBox(const std::string& utf8Message, const std::string& utf8Title,
                  bool (*stillOpen)()) {
    MessageBox box = BuildMessageBox(utf8Message, utf8Title, {"确定"});
    box.buttons[0]->callback(HideWindow);
    box.window->callback(HideSelf);
    box.window->set_modal();
    box.window->show();
    box.buttons[0]->take_focus();
    while (box.window->shown() && stillOpen()) Fl::wait();
    box.window->hide();
    Fl::delete_widget(box.window);
}

bool AskYesNoFromAnotherThread(const std::string& utf8Question, const std::string& utf8Title) {
    Question question{utf8Question, utf8Title, {}};
    std::future<bool> answer = question.answer.get_future();
    // FLTK's queue of wake-ups can be full for a moment; the question must still get through.
    while (Fl::awake(ShowQuestion, &question) != 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return answer.get();
}

}  // namespace platform
