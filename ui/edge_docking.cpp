#include "ui/edge_docking.h"

#include "app/program_state.h"
#include "ui/always_on_top.h"
#include "ui/dock_decision.h"
#include "ui/main_window.h"
#include "ui/message_pump.h"

namespace {
bool readWindowRect(HWND window, WindowRect& rect) {
    RECT r;
    if (!GetWindowRect(window, &r))
        return false;
    rect = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    return true;
}

void apply(HWND window, const WindowRect& rect, const DockStep& step, int screenWidth) {
    if (step.move == DockStep::Move::toTop) {
        MoveWindow(window, rect.left, step.moveTo, rect.width, rect.height, TRUE);
    } else if (step.move == DockStep::Move::toLeft) {
        std::int32_t left = step.moveTo;
        WindowRect now = rect;
        if (step.flushRight && readWindowRect(window, now))
            left = screenWidth - now.width; // the width as it is at this moment
        MoveWindow(window, left, now.top, now.width, now.height, TRUE);
    }
    if (step.topmost != DockStep::Topmost::unchanged)
        setAlwaysOnTop(window, step.topmost == DockStep::Topmost::on);
    if (step.sideStretch) {
        WindowRect now = rect;
        readWindowRect(window, now);
        MoveWindow(window, now.left, 1, now.width, step.stretchHeight, TRUE);
    }
}
} // namespace

void dockToScreenEdge(HWND window, int sideStretch, int hiddenTopmost) {
    // Let the moves the user has already made land before reading the geometry.
    dispatchWaitingMessages();
    if (!IsWindow(window))
        return;
    // Without a cursor position or a rectangle there is nothing to decide on this tick.
    POINT cursor;
    DockInput input;
    if (!GetCursorPos(&cursor) || !readWindowRect(window, input.window))
        return;
    input.mouseX = cursor.x;
    input.mouseY = cursor.y;
    input.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    input.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    input.edge = dockEdgeFromText(dockEdge);
    input.sideStretch = sideStretch;
    input.hiddenTopmost = hiddenTopmost;
    const DockStep step = decideDock(input);
    apply(window, input.window, step, input.screenWidth);
    dockEdge = dockEdgeText(step.edge);
}

void onDockTimerTick() {
    dockToScreenEdge(mainWindow);
    if (IsWindow(mainWindow))
        setAlwaysOnTop(mainWindow, true);
}
