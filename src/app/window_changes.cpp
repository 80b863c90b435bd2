#include "app/window_changes.h"

#include <deque>
#include <mutex>

#include "app/app_state.h"

namespace {

struct ChangeQueue {
    std::mutex mutex;
    std::deque<ControlChange> changes;
    bool wakePending = false;
};

// Never destroyed: threads still running at the end may post.
ChangeQueue& Queue() {
    static ChangeQueue* queue = new ChangeQueue;
    return *queue;
}

void Apply(WindowPort& window, const ControlChange& change) {
    if (change.kind == ControlChange::Kind::kText) {
        window.SetControlText(change.control, change.text);
    } else {
        window.SetControlEnabled(change.control, change.enabled);
    }
}

}  // namespace

// One wake-up stands for every change posted until the window's thread takes the queue, so a
// toolkit whose wake-ups can be dropped when too many are pending never sees more than one.
void PostControlChange(const ControlChange& change) {
    ChangeQueue& queue = Queue();
    WindowPort* window = MainWindow.load();
    bool wake;
    {
        std::lock_guard<std::mutex> lock(queue.mutex);
        queue.changes.push_back(change);
        wake = window && !queue.wakePending;
        if (wake) queue.wakePending = true;
    }
    if (wake) window->WakeWindowThread();
}

void PostControlText(unsigned worker, Control control, const Text& text) {
    PostControlChange({worker, control, ControlChange::Kind::kText, text, false});
}

void PostControlEnabled(unsigned worker, Control control, bool enabled) {
    PostControlChange({worker, control, ControlChange::Kind::kEnabled, Text(), enabled});
}

void DeliverWindowChanges() {
    ChangeQueue& queue = Queue();
    std::deque<ControlChange> taken;
    {
        std::lock_guard<std::mutex> lock(queue.mutex);
        taken.swap(queue.changes);
        queue.wakePending = false;
    }
    WindowPort* window = MainWindow.load();
    if (!window) return;
    for (const ControlChange& change : taken) {
        if (change.worker != 0 && change.worker != WorkerThread) continue;
        Apply(*window, change);
    }
}
