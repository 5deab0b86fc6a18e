#pragma once
#include <windows.h>

// The window's place in the topmost band, changed without moving, sizing or activating it.
void setAlwaysOnTop(HWND window, bool on);
