#pragma once
#include <cstdint>

// The extended style a window gets to become layered. Without click-through it is
// layered and nothing else: every other extended style bit is dropped.
std::uint32_t layeredExtendedStyle(std::uint32_t currentStyle, int clickThrough);
// True when the current style has to be read first (click-through keeps it).
inline bool layeredStyleReadsCurrent(int clickThrough) {
    return clickThrough != 0;
}
// The attributes' flags: alpha without a colour key, else the key and alpha if any.
std::uint32_t layeredAttributeFlags(std::uint32_t colourKey, int alpha);
inline std::uint8_t layeredAlphaByte(int alpha) {
    return static_cast<std::uint8_t>(alpha & 0xFF);
}
