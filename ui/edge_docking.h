#pragma once
#include <windows.h>

// Tucks the window away at the top, left or right screen edge while the mouse is not
// over it, leaving a 4-pixel strip, and brings it out flush with that edge under the mouse.
void dockToScreenEdge(HWND window, int sideStretch = 0, int hiddenTopmost = 1);
// Every tick of the main window's timer: dock, then keep the window on top.
void onDockTimerTick();
