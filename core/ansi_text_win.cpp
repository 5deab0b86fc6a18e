#include "core/ansi_text.h"

#include <windows.h>

#include <climits>

std::string toAnsiExact(std::u16string_view text) {
    if (text.empty() || text.size() > INT_MAX)
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0,
                                           nullptr, nullptr);
    if (needed <= 0)
        return {};
    std::string ansi(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, ansi.data(), needed, nullptr,
                        nullptr);
    return ansi;
}
