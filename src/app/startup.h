// Start-up, the aggregator's cookies and the end of the program.
#pragma once

// The window exists: service 1 is selected and the cookie fetch starts on a thread of its own.
void OnWindowCreated();

// The cookie thread: fetches the aggregator's cookies, asking whether to try again for as long
// as none comes back and the user says Yes; then enables the button.
void CookieBootstrap();

// Runs once at the end: releases the aggregator's cookies.
void OnProgramExit();
