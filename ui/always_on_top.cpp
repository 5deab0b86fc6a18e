#include "ui/always_on_top.h"

void setAlwaysOnTop(HWND window, bool on) {
    SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
