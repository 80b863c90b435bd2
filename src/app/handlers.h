// The handlers of the radio buttons and of the input box's text.
#pragma once

#include "app/window_layout.h"
#include "text/text.h"

// One handler per radio button, each bound to its row (service 1 to 12): when its button is
// selected, shows or hides 标签1 as the row says and makes the row's service the selected one.
using RadioHandler = void (*)();
extern const RadioHandler kRadioHandlers[12];
template <int ServiceId>
void OnServiceRadioClicked();

// Every change of 编辑框1 empties 编辑框2; the new text is kept for the workers, which read
// the address when they dispatch and must not reach into the toolkit from their own threads.
void OnInputTextChanged();

// The text of 编辑框1 as of its last change; any thread.
Text CurrentLongUrl();
