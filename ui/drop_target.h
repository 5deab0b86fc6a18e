#pragma once
#include <windows.h>
#include <ole2.h>

// The main window's drop area: takes file drops only (CF_HDROP), shows the shell's drag
// image, hands the paths to the intake, and always reports failure to the source so that
// nothing dropped is ever moved. Drops are refused while a recycle run is going or the
// main window is disabled.
extern IDropTarget* 拖放对象1;

IDropTarget* createDropArea(HWND window);
void releaseDropArea();
