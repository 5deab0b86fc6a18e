#include "ui/drop_effect.h"
#include "ui/layered_style.h"

#include <gtest/gtest.h>

namespace {
constexpr std::uint32_t none = 0, copy = 1, move = 2, link = 4, shift = 4, ctrl = 8;

TEST(DropEffect, FollowsTheKeysAndWhatTheSourceAllows) {
    struct Case {
        std::uint32_t keys, allowed, effect;
    } cases[] = {
        {0, copy | move | link, copy},
        {0, move | link, move},
        {0, link, link},
        {0, none, none},
        {shift, copy | move, move},
        {shift, copy, none},
        {ctrl, copy | move, copy},
        {ctrl, move, none},
        {ctrl | shift, copy | move | link, none},
        {1 /* left button */, copy, copy},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dropEffectFor(c.keys, c.allowed), c.effect) << c.keys << " " << c.allowed;
}

TEST(LayeredStyle, WritesLayeredAloneUnlessClickThrough) {
    EXPECT_EQ(layeredExtendedStyle(0x00000108u /* topmost, window edge */, 0), 0x80000u);
    EXPECT_FALSE(layeredStyleReadsCurrent(0));
    EXPECT_EQ(layeredExtendedStyle(0x00000108u, 1), 0x00080128u);
    EXPECT_TRUE(layeredStyleReadsCurrent(5));
}

TEST(LayeredStyle, AttributeFlagsAndAlphaByte) {
    EXPECT_EQ(layeredAttributeFlags(0, 120), 2u);        // alpha only
    EXPECT_EQ(layeredAttributeFlags(0x00FF00, 0), 1u);   // colour key alone
    EXPECT_EQ(layeredAttributeFlags(0x00FF00, 256), 1u); // low byte 0
    EXPECT_EQ(layeredAttributeFlags(0x00FF00, 120), 3u);
    EXPECT_EQ(layeredAlphaByte(120), 120);
    EXPECT_EQ(layeredAlphaByte(0x1FF), 255);
    EXPECT_EQ(layeredAlphaByte(-1), 255);
}
} // namespace
