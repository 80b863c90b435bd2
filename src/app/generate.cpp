#include "app/generate.h"

#include <system_error>
#include <thread>

#include "app/app_state.h"
#include "app/app_texts.h"
#include "app/long_url_check.h"
#include "app/window_changes.h"
#include "services/dispatch.h"

void GenerateCommand() {
    WindowPort* window = MainWindow.load();
    const char* problem = LongUrlProblem(window->ControlText(Control::编辑框1));
    if (problem) {
        window->ShowError(problem, kErrorTitle);
        return;
    }
    // From here on the earlier worker may finish, but nothing it posts is shown.
    const unsigned worker = ++WorkerThread;
    try {
        BackgroundThreadStarted();
        std::thread(GenerateWorker, worker).detach();
    } catch (const std::system_error&) {
        BackgroundThreadEnded();  // no thread: nothing is shown and the button stays as it is
    }
}

void OnInputKeyPressed(int keyCode, int /*modifiers*/) {
    if (keyCode == 13) GenerateCommand();
}

void GenerateWorker(unsigned worker) {
    PostControlEnabled(worker, Control::按钮, false);
    PostControlText(worker, Control::按钮, kBusyCaption);
    Text shortUrl = ShortenWithService(SelectedService.load());
    PostControlText(worker, Control::编辑框2, shortUrl);
    PostControlText(worker, Control::按钮, kReadyCaption);
    PostControlEnabled(worker, Control::按钮, true);
    BackgroundThreadEnded();
}
