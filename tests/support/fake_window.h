// MainWindow without a toolkit: the controls' states in memory, the user's actions as calls,
// and the test's thread as the window's thread. It installs itself as the window for its
// lifetime, and on the way out waits for the application's threads to end.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

#include "app/window_port.h"

struct ShownMessage {
    Text message;
    Text title;
};

class FakeWindow : public WindowPort {
  public:
    FakeWindow();  // every control in its initial state
    ~FakeWindow() override;

    // What the user does.
    void Type(const Text& text);  // 编辑框1 takes the text, and reports the change
    void Click(Control control);  // a radio button selects itself first
    void ClickWithoutSelecting(Control radio);
    void PressKey(Control control, int keyCode, int modifiers = 0);

    // The window's thread at work: delivers what the other threads post until `done` holds
    // (true) or `ms` have passed (false).
    bool PumpUntil(const std::function<bool()>& done, int ms = 10000);
    void PumpFor(int ms);
    bool ButtonReady();  // enabled, with the caption "生成短网址"

    // The questions: each is answered from the list in turn (Yes when it runs out); while held,
    // a question waits for ReleaseQuestion.
    void AnswerQuestions(std::vector<bool> answers);
    void HoldQuestions();
    void ReleaseQuestions();
    std::vector<ShownMessage> Questions();
    int QuestionsOpen();

    bool Enabled(Control control) const { return state_[IndexOf(control)].enabled; }
    bool Visible(Control control) const { return state_[IndexOf(control)].visible; }
    const std::vector<ShownMessage>& Errors() const { return errors_; }
    const std::vector<Text>& ButtonCaptions() const { return buttonCaptions_; }

    // WindowPort
    Text ControlText(Control control) override;
    void SetControlText(Control control, const Text& text) override;
    void SetControlEnabled(Control control, bool enabled) override;
    void SetControlVisible(Control control, bool visible) override;
    bool IsControlSelected(Control control) override;
    void ShowError(const Text& message, const Text& title) override;
    bool AskYesNo(const Text& question, const Text& title) override;
    void WakeWindowThread() override;

  private:
    struct ControlState {
        Text text;
        bool visible, enabled, selected;
    };
    ControlState state_[kControlCount];
    std::vector<ShownMessage> errors_;
    std::vector<Text> buttonCaptions_;

    std::mutex mutex_;  // what the other threads touch: the wake-up and the questions
    std::condition_variable changed_;
    bool woken_ = false;
    std::vector<bool> answers_;
    bool questionsHeld_ = false;
    std::vector<ShownMessage> questions_;
    int questionsOpen_ = 0;
};
