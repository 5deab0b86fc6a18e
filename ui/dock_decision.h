#pragma once
#include <cstdint>
#include <string>

// Where the main window is tucked away; held in dockEdge as its text.
enum class DockEdge { none, top, left, right };

struct WindowRect {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
};

struct DockInput {
    WindowRect window;
    std::int32_t mouseX = 0, mouseY = 0;
    std::int32_t screenWidth = 0, screenHeight = 0;
    DockEdge edge = DockEdge::none;
    int sideStretch = 0;   // acts only when exactly 1
    int hiddenTopmost = 1; // topmost while hidden when 1
};

// What one tick does to the window. Moves keep the other coordinates and the size.
struct DockStep {
    enum class Move { none, toTop, toLeft } move = Move::none;
    std::int32_t moveTo = 0;
    enum class Topmost { unchanged, on, off } topmost = Topmost::unchanged;
    bool sideStretch = false; // then: top 1, height screenHeight - 29
    std::int32_t stretchHeight = 0;
    DockEdge edge = DockEdge::none; // dockEdge afterwards
    // Coming out at the right edge reads the width again at that moment.
    bool flushRight = false;
};

constexpr std::int32_t dockStripWidth = 4;

bool mouseOverWindow(const WindowRect& window, std::int32_t mouseX, std::int32_t mouseY);
DockStep decideDock(const DockInput& input);

DockEdge dockEdgeFromText(const std::string& text);
std::string dockEdgeText(DockEdge edge);
