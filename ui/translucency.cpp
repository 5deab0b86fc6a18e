#include "ui/translucency.h"

#include "app/program_state.h"
#include "core/system_library.h"
#include "ui/layered_style.h"
#include "ui/main_window.h"

namespace {
using GetWindowLongFn = LONG(WINAPI*)(HWND, int);
using SetWindowLongFn = LONG(WINAPI*)(HWND, int, LONG);
using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

constexpr int translucentAlpha = 120;
constexpr int opaqueAlpha = 255;
} // namespace

int setLayeredWindow(HWND window, int alpha, COLORREF colourKey, int clickThrough) {
    static const auto getWindowLong =
        systemFunction<GetWindowLongFn>(L"user32.dll", "GetWindowLongA");
    static const auto setWindowLong =
        systemFunction<SetWindowLongFn>(L"user32.dll", "SetWindowLongA");
    static const auto setAttributes =
        systemFunction<SetLayeredWindowAttributesFn>(L"user32.dll", "SetLayeredWindowAttributes");
    // Without layered windows the window stays as it is.
    if (!setWindowLong || !setAttributes ||
        (layeredStyleReadsCurrent(clickThrough) && !getWindowLong))
        return 0;

    const auto current = layeredStyleReadsCurrent(clickThrough)
                             ? static_cast<std::uint32_t>(getWindowLong(window, GWL_EXSTYLE))
                             : 0u;
    setWindowLong(window, GWL_EXSTYLE,
                  static_cast<LONG>(layeredExtendedStyle(current, clickThrough)));
    return setAttributes(window, colourKey, layeredAlphaByte(alpha),
                         layeredAttributeFlags(colourKey, alpha));
}

void onPictureDoubleClick() {
    if (translucent == 0) {
        if (setLayeredWindow(mainWindow, translucentAlpha) != 0)
            translucent = 1;
    } else if (translucent == 1) {
        if (setLayeredWindow(mainWindow, opaqueAlpha) != 0)
            translucent = 0;
    }
}
