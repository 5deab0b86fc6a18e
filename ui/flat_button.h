#pragma once
#include <windows.h>

#include "ui/control_place.h"

// A flat picture button: white and frameless at rest, a raised edge under the mouse, a
// sunken edge with the picture one pixel right and down while pressed. The button does
// not own the picture.
HWND createFlatButton(HWND parent, int id, ControlPlace place, HBITMAP picture, int pictureSize);
// Draws the button for the parent's WM_DRAWITEM.
void drawFlatButton(const DRAWITEMSTRUCT& item);
