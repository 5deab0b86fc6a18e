#pragma once
#include <windows.h>

// A 32-bit picture resource with straight alpha, drawn once onto the white it is
// shown on and scaled down by area averaging to width x height.
HBITMAP loadPictureOnWhite(int resourceId, int width, int height);
