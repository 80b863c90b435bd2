#include "app/app_state.h"

std::atomic<int> SelectedService{0};
unsigned WorkerThread = 0;
std::atomic<WindowPort*> MainWindow{nullptr};

namespace {
std::atomic<int> runningThreads{0};
}

int RunningBackgroundThreads() {
    return runningThreads.load();
}
void BackgroundThreadStarted() {
    runningThreads++;
}
void BackgroundThreadEnded() {
    runningThreads--;
}
