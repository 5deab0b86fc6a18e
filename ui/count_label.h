#pragma once
#include <windows.h>

#include "ui/control_place.h"

// The label that counts the pending paths: silver bold text on white, a hand cursor, and
// a press that opens the list (or says there is nothing to list).
HWND createCountLabel(HWND parent, int id, ControlPlace place, HFONT font);
void onLabelPressed();
