#include "app/startup.h"

#include <system_error>
#include <thread>

#include "app/app_state.h"
#include "app/app_texts.h"
#include "app/long_url_check.h"
#include "app/window_changes.h"
#include "services/session_cookies.h"

void OnWindowCreated() {
    SelectedService = 1;
    try {
        BackgroundThreadStarted();
        std::thread(CookieBootstrap).detach();
    } catch (const std::system_error&) {
        // Without the fetch the button would never come up; it comes up without cookies, as
        // after the user's No.
        BackgroundThreadEnded();
        PostControlEnabled(0, Control::按钮, true);
        PostControlText(0, Control::按钮, kReadyCaption);
    }
}

void CookieBootstrap() {
    while (!FetchSessionCookies()) {
        WindowPort* window = MainWindow.load();
        if (!window->AskYesNo(kCookieQuestion, kErrorTitle)) break;
    }
    PostControlEnabled(0, Control::按钮, true);
    PostControlText(0, Control::按钮, kReadyCaption);
    BackgroundThreadEnded();
}

void OnProgramExit() {
    ReleaseSessionCookies();
}
