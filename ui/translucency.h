#pragma once
#include <windows.h>

// Makes the window layered with the given alpha (low byte); returns the window system's
// answer to the attributes (non-zero when accepted).
int setLayeredWindow(HWND window, int alpha, COLORREF colourKey = 0, int clickThrough = 0);
// Double-click on the picture: translucent at alpha 120, opaque again at 255.
void onPictureDoubleClick();
