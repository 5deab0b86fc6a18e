#pragma once
#include <windows.h>

// The window that lists the pending paths while it is open (null otherwise).
extern HWND listWindow;
extern HWND 列表框;

// Opens the list window modally and returns when it has been closed.
void openListWindow();
// Shows the list as it is now (after a recycle run has emptied it, say).
void refillListWindow();
