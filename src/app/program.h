// The window program from start to end.
#pragma once

// Opens MainWindow, runs it until it is closed and ends the process with 0; returns 1 only
// when no window can be shown.
int RunWindowProgram();
