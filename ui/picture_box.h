#pragma once
#include <windows.h>

#include "ui/control_place.h"

// The framed picture of the main window: the two sheets drawn on white. A double-click
// on it toggles translucency.
HWND createPictureBox(HWND parent, ControlPlace place);
