#include "ui/message_pump.h"

#include "ui/list_window.h"
#include "ui/main_window.h"

void dispatchProgramMessage(MSG& message) {
    if (message.hwnd) {
        HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if ((root == mainWindow || root == listWindow) && root && IsDialogMessageA(root, &message))
            return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

bool dispatchWaitingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (message.message == WM_QUIT)
            return false;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            break;
        if (message.message == WM_QUIT) { // posted between the two looks: put it back
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        dispatchProgramMessage(message);
    }
    return true;
}

int runMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        dispatchProgramMessage(message);
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

void waitAnsweringSentMessages(HANDLE event) {
    while (MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}
