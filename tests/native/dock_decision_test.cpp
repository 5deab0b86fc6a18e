#include "ui/dock_decision.h"

#include "core/program_texts.h"

#include <gtest/gtest.h>

namespace {
using Move = DockStep::Move;
using Topmost = DockStep::Topmost;

constexpr std::int32_t SW = 1280, SH = 800, W = 150, H = 180;

struct DockCase {
    const char* name;
    WindowRect window;
    std::int32_t mx, my;
    DockEdge edgeBefore;
    Move move;
    std::int32_t moveTo;
    Topmost topmost;
    DockEdge edgeAfter;
};

// The mouse far away unless a case puts it somewhere.
constexpr std::int32_t awayX = 640, awayY = 400;

class DockDecision : public testing::TestWithParam<DockCase> {};

TEST_P(DockDecision, DecidesTheTick) {
    const DockCase& c = GetParam();
    DockInput in;
    in.window = c.window;
    in.mouseX = c.mx;
    in.mouseY = c.my;
    in.screenWidth = SW;
    in.screenHeight = SH;
    in.edge = c.edgeBefore;
    const DockStep step = decideDock(in);
    EXPECT_EQ(step.move, c.move);
    if (c.move != Move::none)
        EXPECT_EQ(step.moveTo, c.moveTo);
    EXPECT_EQ(step.topmost, c.topmost);
    EXPECT_EQ(step.edge, c.edgeAfter);
    EXPECT_FALSE(step.sideStretch);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DockDecision,
    testing::Values(
        // Touching counts; the order is top, then left, then right.
        DockCase{"top_touching",
                 {500, 0, W, H},
                 awayX,
                 awayY,
                 DockEdge::none,
                 Move::toTop,
                 4 - H,
                 Topmost::on,
                 DockEdge::top},
        DockCase{"top_crossing",
                 {500, -20, W, H},
                 awayX,
                 awayY,
                 DockEdge::none,
                 Move::toTop,
                 4 - H,
                 Topmost::on,
                 DockEdge::top},
        DockCase{"top_left_corner_hides_at_top",
                 {-5, -5, W, H},
                 awayX,
                 awayY,
                 DockEdge::none,
                 Move::toTop,
                 4 - H,
                 Topmost::on,
                 DockEdge::top},
        DockCase{"top_right_corner_hides_at_top",
                 {SW - W, 0, W, H},
                 awayX,
                 awayY,
                 DockEdge::none,
                 Move::toTop,
                 4 - H,
                 Topmost::on,
                 DockEdge::top},
        DockCase{"left_touching",
                 {0, 300, W, H},
                 awayX,
                 awayY,
                 DockEdge::none,
                 Move::toLeft,
                 4 - W,
                 Topmost::on,
                 DockEdge::left},
        DockCase{"left_crossing_below_monitor_to_the_left",
                 {-900, 300, W, H},
                 awayX,
                 awayY,
                 DockEdge::none,
                 Move::toLeft,
                 4 - W,
                 Topmost::on,
                 DockEdge::left},
        DockCase{"right_touching",
                 {SW - W, 300, W, H},
                 awayX,
                 awayY,
                 DockEdge::none,
                 Move::toLeft,
                 SW - 4,
                 Topmost::on,
                 DockEdge::right},
        DockCase{"right_on_a_monitor_to_the_right",
                 {SW + 200, 300, W, H},
                 awayX,
                 awayY,
                 DockEdge::none,
                 Move::toLeft,
                 SW - 4,
                 Topmost::on,
                 DockEdge::right},
        DockCase{"one_pixel_short_of_right_is_free",
                 {SW - W - 1, 300, W, H},
                 awayX,
                 awayY,
                 DockEdge::none,
                 Move::none,
                 0,
                 Topmost::unchanged,
                 DockEdge::none},
        DockCase{"free_window_untouched",
                 {400, 300, W, H},
                 awayX,
                 awayY,
                 DockEdge::none,
                 Move::none,
                 0,
                 Topmost::unchanged,
                 DockEdge::none},
        DockCase{"free_window_keeps_an_edge_it_had",
                 {400, 300, W, H},
                 awayX,
                 awayY,
                 DockEdge::left,
                 Move::none,
                 0,
                 Topmost::unchanged,
                 DockEdge::left},
        // Hidden windows are hidden again on every tick while the mouse stays away.
        DockCase{"hidden_top_rehides",
                 {500, 4 - H, W, H},
                 awayX,
                 awayY,
                 DockEdge::top,
                 Move::toTop,
                 4 - H,
                 Topmost::on,
                 DockEdge::top},
        DockCase{"hidden_right_rehides",
                 {SW - 4, 300, W, H},
                 awayX,
                 awayY,
                 DockEdge::right,
                 Move::toLeft,
                 SW - 4,
                 Topmost::on,
                 DockEdge::right},
        // The mouse over the strip brings the window out flush with its edge.
        DockCase{"top_strip_row_4_counts",
                 {500, 4 - H, W, H},
                 520,
                 4,
                 DockEdge::top,
                 Move::toTop,
                 0,
                 Topmost::off,
                 DockEdge::none},
        DockCase{"top_strip_row_5_does_not",
                 {500, 4 - H, W, H},
                 520,
                 5,
                 DockEdge::top,
                 Move::toTop,
                 4 - H,
                 Topmost::on,
                 DockEdge::top},
        DockCase{"left_strip_out",
                 {4 - W, 300, W, H},
                 2,
                 310,
                 DockEdge::left,
                 Move::toLeft,
                 0,
                 Topmost::off,
                 DockEdge::none},
        DockCase{"right_strip_out_uses_current_width",
                 {SW - 4, 300, W, H},
                 SW - 1,
                 310,
                 DockEdge::right,
                 Move::toLeft,
                 SW - W,
                 Topmost::off,
                 DockEdge::none},
        // The last column and row (L + W, T + H) count as over the window; one further does not.
        DockCase{"column_after_the_window_counts",
                 {400, 300, W, H},
                 400 + W,
                 350,
                 DockEdge::none,
                 Move::none,
                 0,
                 Topmost::off,
                 DockEdge::none},
        DockCase{"row_after_the_window_counts",
                 {400, 300, W, H},
                 450,
                 300 + H,
                 DockEdge::none,
                 Move::none,
                 0,
                 Topmost::off,
                 DockEdge::none},
        DockCase{"two_columns_after_is_away",
                 {SW - W, 300, W, H},
                 SW + 1,
                 350,
                 DockEdge::none,
                 Move::toLeft,
                 SW - 4,
                 Topmost::on,
                 DockEdge::right},
        DockCase{"column_before_is_away",
                 {0, 300, W, H},
                 -1,
                 350,
                 DockEdge::none,
                 Move::toLeft,
                 4 - W,
                 Topmost::on,
                 DockEdge::left}),
    [](const testing::TestParamInfo<DockCase>& info) { return std::string(info.param.name); });

TEST(DockOptions, HiddenTopmostAndSideStretch) {
    DockInput in;
    in.window = {0, 300, W, H};
    in.mouseX = awayX;
    in.mouseY = awayY;
    in.screenWidth = SW;
    in.screenHeight = SH;
    in.hiddenTopmost = 0;
    in.sideStretch = 1;
    DockStep step = decideDock(in);
    EXPECT_EQ(step.topmost, Topmost::off);
    EXPECT_TRUE(step.sideStretch);
    EXPECT_EQ(step.stretchHeight, SH - 29);
    // Side-stretch never applies at the top edge, and only for exactly 1.
    in.window = {0, 0, W, H};
    EXPECT_FALSE(decideDock(in).sideStretch);
    in.window = {0, 300, W, H};
    in.sideStretch = 2;
    EXPECT_FALSE(decideDock(in).sideStretch);
}

TEST(DockEdgeText, RoundTrips) {
    EXPECT_EQ(dockEdgeText(DockEdge::top), texts::dockTop);
    EXPECT_EQ(dockEdgeText(DockEdge::left), texts::dockLeft);
    EXPECT_EQ(dockEdgeText(DockEdge::right), texts::dockRight);
    EXPECT_EQ(dockEdgeText(DockEdge::none), "");
    for (DockEdge e : {DockEdge::none, DockEdge::top, DockEdge::left, DockEdge::right})
        EXPECT_EQ(dockEdgeFromText(dockEdgeText(e)), e);
}
} // namespace
