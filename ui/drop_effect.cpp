#include "ui/drop_effect.h"

#include <initializer_list>

namespace {
constexpr std::uint32_t effectNone = 0, effectCopy = 1, effectMove = 2, effectLink = 4;
constexpr std::uint32_t keyShift = 4, keyControl = 8;

std::uint32_t ifAllowed(std::uint32_t effect, std::uint32_t allowed) {
    return (allowed & effect) ? effect : effectNone;
}
} // namespace

std::uint32_t dropEffectFor(std::uint32_t keyState, std::uint32_t allowed) {
    const bool shift = keyState & keyShift;
    const bool control = keyState & keyControl;
    if (shift && control)
        return effectNone;
    if (shift)
        return ifAllowed(effectMove, allowed);
    if (control)
        return ifAllowed(effectCopy, allowed);
    for (std::uint32_t effect : {effectCopy, effectMove, effectLink})
        if (allowed & effect)
            return effect;
    return effectNone;
}
