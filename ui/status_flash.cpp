#include "ui/status_flash.h"

#include "ui/main_window.h"
#include "ui/message_pump.h"

#include <string>

namespace {
constexpr DWORD flashMilliseconds = 1000;
std::string runCaption;
int flashesUp = 0; // user-interface thread only

std::string windowTitle(HWND window) {
    std::string title(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    title.resize(
        static_cast<size_t>(GetWindowTextA(window, title.data(), static_cast<int>(title.size()))));
    return title;
}

// Dispatches events as they come until the second is over, without spinning.
void waitOneSecondDispatching() {
    const DWORD start = GetTickCount();
    for (;;) {
        if (!dispatchWaitingMessages())
            return; // the program is ending: no need to hold the title any longer
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed > flashMilliseconds)
            return;
        MsgWaitForMultipleObjectsEx(0, nullptr, flashMilliseconds - elapsed + 1, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}
} // namespace

void flashStatus(std::string_view text) {
    HWND window = mainWindow;
    const std::string remembered = windowTitle(window);
    const std::string shown(text);
    SetWindowTextA(window, shown.c_str());
    if (!onUserInterfaceThread()) {
        Sleep(flashMilliseconds);
        SetWindowTextA(window, remembered.c_str());
        return;
    }
    ++flashesUp;
    waitOneSecondDispatching();
    --flashesUp;
    if (IsWindow(window))
        SetWindowTextA(window, flashesUp == 0 ? runCaption.c_str() : remembered.c_str());
}

void setRunCaption(std::string_view text) {
    runCaption.assign(text);
    if (flashesUp == 0)
        SetWindowTextA(mainWindow, runCaption.c_str());
}
