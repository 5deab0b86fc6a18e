#include "ui/count_label.h"

#include "core/program_texts.h"
#include "core/staging_list.h"
#include "ui/list_window.h"
#include "ui/status_flash.h"

namespace {
WNDPROC staticClassProc = nullptr;

LRESULT CALLBACK countLabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
    case WM_LBUTTONDOWN:
        onLabelPressed(); // before the label itself sees the press
        break;
    default:
        break;
    }
    return CallWindowProcA(staticClassProc, window, message, wParam, lParam);
}
} // namespace

HWND createCountLabel(HWND parent, int id, ControlPlace place, HFONT font) {
    HWND label = CreateWindowExA(0, "STATIC", texts::stagingBox,
                                 WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY,
                                 place.left, place.top, place.width, place.height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
    if (!label)
        return nullptr;
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    staticClassProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countLabelProc)));
    return label;
}

void onLabelPressed() {
    if (pendingSize() >= 1)
        openListWindow();
    else
        flashStatus(texts::noFiles);
}
