// The generate command: a click on 按钮, or Enter in 编辑框1.
#pragma once

// Checks the long address and starts a worker for it, abandoning the one before; an empty or
// refused address gets its message instead. Window's thread.
void GenerateCommand();

// 编辑框1's key handler: Enter (13) runs the command whatever the modifiers and whether or
// not the button is enabled. The key goes on to the edit box either way.
void OnInputKeyPressed(int keyCode, int modifiers);

// The worker numbered `worker`: the busy caption, the dispatch to the selected service, the
// answer into 编辑框2 and the button back. Its own thread.
void GenerateWorker(unsigned worker);
