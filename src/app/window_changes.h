// Control changes made on background threads reach the window's thread through one queue, in
// the order they were made; none is lost, however many are posted.
#pragma once

#include "app/window_layout.h"
#include "text/text.h"

struct ControlChange {
    enum class Kind { kText, kEnabled };
    unsigned worker;  // the generate worker that made it; 0 for the cookie fetch
    Control control;
    Kind kind;
    Text text;
    bool enabled;
};

// Any thread.
void PostControlChange(const ControlChange& change);
void PostControlText(unsigned worker, Control control, const Text& text);
void PostControlEnabled(unsigned worker, Control control, bool enabled);

// On the window's thread: applies what has been posted, dropping the changes of workers that
// have been abandoned since they made them.
void DeliverWindowChanges();
