#include "ui/layered_style.h"

namespace {
constexpr std::uint32_t exLayered = 0x80000;
constexpr std::uint32_t exTransparent = 0x20;
constexpr std::uint32_t colourKeyFlag = 1;
constexpr std::uint32_t alphaFlag = 2;
} // namespace

std::uint32_t layeredExtendedStyle(std::uint32_t currentStyle, int clickThrough) {
    return clickThrough != 0 ? (currentStyle | exTransparent | exLayered) : exLayered;
}

std::uint32_t layeredAttributeFlags(std::uint32_t colourKey, int alpha) {
    if (colourKey == 0)
        return alphaFlag;
    return layeredAlphaByte(alpha) == 0 ? colourKeyFlag : (colourKeyFlag | alphaFlag);
}
