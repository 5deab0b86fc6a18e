#pragma once

// Where a control sits in its parent's client area, in pixels.
struct ControlPlace {
    int left, top, width, height;
};
