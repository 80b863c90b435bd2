// The application's globals.
#pragma once

#include <atomic>

#include "app/window_port.h"

// The service of the selected radio button: 0 at load, 1 once the window exists. Written on
// the window's thread only; the workers read it when they dispatch.
extern std::atomic<int> SelectedService;

// The number of the newest generate worker, 0 before the first. Written on the window's
// thread only; a worker whose number it no longer holds has been abandoned.
extern unsigned WorkerThread;

// The window, set before it is created and never released: threads still running at the end
// may call it.
extern std::atomic<WindowPort*> MainWindow;

// Background threads of the application (the cookie fetch and the workers) still running.
int RunningBackgroundThreads();
void BackgroundThreadStarted();
void BackgroundThreadEnded();
