#pragma once
#include <cstdint>

// The drop effect a drag gets from the keys held and what its source allows:
// none held: copy, else move, else link; Shift: move; Ctrl: copy; both: none.
// Effects and key bits have the OLE values (copy 1, move 2, link 4; Shift 4, Ctrl 8).
std::uint32_t dropEffectFor(std::uint32_t keyState, std::uint32_t allowedEffects);
