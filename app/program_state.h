#pragma once
// The process-wide state that is not the staging list's (core/staging_list.h has that).
#include <cstdint>
#include <string>

// The screen's mode when the main window was created; only the width is used.
struct DisplayModeRecord {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitsPerPixel = 0;
    std::int32_t refreshRate = 0;
};

extern DisplayModeRecord displayMode;
// 1 while the main window is translucent, 0 while it is opaque.
extern std::int32_t translucent;
// Where the main window is tucked away: top, left, right or "" (not hidden).
extern std::string dockEdge;

// Frees what the state owns; runs once at the end of the program.
void exitCleanup();
