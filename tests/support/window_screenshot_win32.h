// An image of another program's window, taken from the screen.
#pragma once

#include <windows.h>

#include <string>

// The window as it is on the screen, freshly painted, as a 24-bit BMP file at `path`.
bool SaveWindowImage(HWND window, const std::string& path);
