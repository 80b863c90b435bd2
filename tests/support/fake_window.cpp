#include "support/fake_window.h"

#include <chrono>
#include <thread>

#include "app/app_state.h"
#include "app/app_texts.h"
#include "app/window_changes.h"
#include "app/window_events.h"

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

FakeWindow::FakeWindow() {
    for (const ControlSpec& spec : kControls) {
        state_[IndexOf(spec.control)] = {InitialTextOf(spec.control), spec.visible, spec.enabled,
                                         spec.selected};
    }
    DeliverWindowChanges();  // whatever an earlier window left behind is not ours
    MainWindow = this;
}

FakeWindow::~FakeWindow() {
    ReleaseQuestions();
    const Clock::time_point end = Clock::now() + std::chrono::seconds(30);
    while (RunningBackgroundThreads() > 0 && Clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    DeliverWindowChanges();
    MainWindow = nullptr;
    SelectedService = 0;
}

void FakeWindow::Type(const Text& text) {
    state_[IndexOf(Control::编辑框1)].text = text;
    DeliverTextChanged(Control::编辑框1);
}

void FakeWindow::Click(Control control) {
    if (SpecOf(control).kind == ControlKind::kRadioButton) {
        for (const ControlSpec& spec : kControls) {
            if (spec.kind == ControlKind::kRadioButton)
                state_[IndexOf(spec.control)].selected = false;
        }
        state_[IndexOf(control)].selected = true;
    }
    if (state_[IndexOf(control)].enabled) DeliverClicked(control);
}

void FakeWindow::ClickWithoutSelecting(Control radio) {
    DeliverClicked(radio);
}

void FakeWindow::PressKey(Control control, int keyCode, int modifiers) {
    DeliverKeyPressed(control, keyCode, modifiers);
}

bool FakeWindow::PumpUntil(const std::function<bool()>& done, int ms) {
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        DeliverWindowChanges();
        if (done()) return true;
        if (Clock::now() >= end) return false;
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait_for(lock, std::chrono::milliseconds(10), [this] { return woken_; });
        woken_ = false;
    }
}

void FakeWindow::PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

bool FakeWindow::ButtonReady() {
    return Enabled(Control::按钮) && ControlText(Control::按钮) == kReadyCaption;
}

void FakeWindow::AnswerQuestions(std::vector<bool> answers) {
    std::lock_guard<std::mutex> lock(mutex_);
    answers_ = std::move(answers);
}

void FakeWindow::HoldQuestions() {
    std::lock_guard<std::mutex> lock(mutex_);
    questionsHeld_ = true;
}

void FakeWindow::ReleaseQuestions() {
    std::lock_guard<std::mutex> lock(mutex_);
    questionsHeld_ = false;
    changed_.notify_all();
}

std::vector<ShownMessage> FakeWindow::Questions() {
    std::lock_guard<std::mutex> lock(mutex_);
    return questions_;
}

int FakeWindow::QuestionsOpen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return questionsOpen_;
}

Text FakeWindow::ControlText(Control control) {
    return state_[IndexOf(control)].text;
}

void FakeWindow::SetControlText(Control control, const Text& text) {
    state_[IndexOf(control)].text = text;
    if (control == Control::按钮) buttonCaptions_.push_back(text);
}

void FakeWindow::SetControlEnabled(Control control, bool enabled) {
    state_[IndexOf(control)].enabled = enabled;
}

void FakeWindow::SetControlVisible(Control control, bool visible) {
    state_[IndexOf(control)].visible = visible;
}

bool FakeWindow::IsControlSelected(Control control) {
    return state_[IndexOf(control)].selected;
}

void FakeWindow::ShowError(const Text& message, const Text& title) {
    errors_.push_back({message, title});
}

bool FakeWindow::AskYesNo(const Text& question, const Text& title) {
    std::unique_lock<std::mutex> lock(mutex_);
    questions_.push_back({question, title});
    questionsOpen_++;
    changed_.wait(lock, [this] { return !questionsHeld_; });
    questionsOpen_--;
    bool yes = true;
    if (!answers_.empty()) {
        yes = answers_.front();
        answers_.erase(answers_.begin());
    }
    return yes;
}

void FakeWindow::WakeWindowThread() {
    std::lock_guard<std::mutex> lock(mutex_);
    woken_ = true;
    changed_.notify_all();
}
