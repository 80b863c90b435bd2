#include "window/program.h"

#include <cstdlib>

#include "app/app_state.h"
#include "app/handlers.h"
#include "app/startup.h"
#include "app/window_events.h"
#include "platform/window.h"
#include "services/dispatch.h"

namespace {

void ProgramExitOnce() {
    static std::atomic<bool> done{false};
    if (!done.exchange(true)) OnProgramExit();
}

}  // namespace

int RunWindowProgram(const WindowProgramHooks& hooks) {
    if (!platform::OpenWindowToolkit()) return 1;
    std::atexit(ProgramExitOnce);
    SetLongUrlSource(CurrentLongUrl);
    WindowPort* window = platform::CreateMainWindow();
    MainWindow = hooks.wrapWindow ? hooks.wrapWindow(window) : window;
    DeliverCreated();
    platform::ShowMainWindow();
    if (hooks.shown) hooks.shown();
    platform::RunMessageLoop();
    // Threads still waiting on the network are not waited for.
    ProgramExitOnce();
    platform::EndProcessNow(0);
}
