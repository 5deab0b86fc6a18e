#include "ui/dock_decision.h"

#include "core/program_texts.h"

namespace {
constexpr double tolerance = 1e-7;
}

bool mouseOverWindow(const WindowRect& w, std::int32_t mx, std::int32_t my) {
    if (mx < w.left)
        return false;
    if (static_cast<double>(mx) - (static_cast<double>(w.left) + w.width) > tolerance)
        return false;
    if (my < w.top)
        return false;
    if (static_cast<double>(my) - (static_cast<double>(w.top) + w.height) > tolerance)
        return false;
    return true;
}

DockStep decideDock(const DockInput& in) {
    DockStep step;
    const WindowRect& w = in.window;
    const bool hiddenOnTop = in.hiddenTopmost == 1;
    const auto hiddenTopmost = hiddenOnTop ? DockStep::Topmost::on : DockStep::Topmost::off;

    if (!mouseOverWindow(w, in.mouseX, in.mouseY)) {
        step.edge = in.edge;
        if (w.top <= 0) {
            step.move = DockStep::Move::toTop;
            step.moveTo = dockStripWidth - w.height;
            step.topmost = hiddenTopmost;
            step.edge = DockEdge::top;
        } else if (w.left <= 0) {
            step.move = DockStep::Move::toLeft;
            step.moveTo = dockStripWidth - w.width;
            step.topmost = hiddenTopmost;
            step.edge = DockEdge::left;
        } else if (static_cast<double>(w.left) - (static_cast<double>(in.screenWidth) - w.width) >=
                   -tolerance) {
            step.move = DockStep::Move::toLeft;
            step.moveTo = in.screenWidth - dockStripWidth;
            step.topmost = hiddenTopmost;
            step.edge = DockEdge::right;
        }
        if (in.sideStretch == 1 && (step.edge == DockEdge::left || step.edge == DockEdge::right) &&
            step.move != DockStep::Move::none) {
            step.sideStretch = true;
            step.stretchHeight = in.screenHeight - 29;
        }
        return step;
    }

    switch (in.edge) {
    case DockEdge::top:
        step.move = DockStep::Move::toTop;
        step.moveTo = 0;
        break;
    case DockEdge::left:
        step.move = DockStep::Move::toLeft;
        step.moveTo = 0;
        break;
    case DockEdge::right:
        step.move = DockStep::Move::toLeft;
        step.moveTo = in.screenWidth - w.width;
        step.flushRight = true;
        break;
    case DockEdge::none:
        break;
    }
    step.edge = DockEdge::none;
    step.topmost = DockStep::Topmost::off;
    return step;
}

DockEdge dockEdgeFromText(const std::string& text) {
    if (text == texts::dockTop)
        return DockEdge::top;
    if (text == texts::dockLeft)
        return DockEdge::left;
    if (text == texts::dockRight)
        return DockEdge::right;
    return DockEdge::none;
}

std::string dockEdgeText(DockEdge edge) {
    switch (edge) {
    case DockEdge::top:
        return texts::dockTop;
    case DockEdge::left:
        return texts::dockLeft;
    case DockEdge::right:
        return texts::dockRight;
    case DockEdge::none:
        break;
    }
    return {};
}
