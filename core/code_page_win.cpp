#include "core/code_page.h"

#include <windows.h>

#include <array>

namespace {
// Asked once: the code page does not change while the program runs.
const std::array<bool, 256>& leadBytes() {
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> t{};
        for (int b = 0; b < 256; ++b)
            t[static_cast<size_t>(b)] = IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
        return t;
    }();
    return table;
}
} // namespace

bool isLeadByte(unsigned char byte) {
    return leadBytes()[byte];
}
