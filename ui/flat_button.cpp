#include "ui/flat_button.h"

#include "ui/scoped_gdi.h"

#include <memory>
#include <vector>

namespace {
struct FlatButton {
    HWND window = nullptr;
    HBITMAP picture = nullptr;
    int pictureSize = 0;
    bool hot = false;
};
std::vector<std::unique_ptr<FlatButton>> flatButtons;
WNDPROC buttonClassProc = nullptr;

FlatButton* flatButtonOf(HWND window) {
    for (auto& button : flatButtons)
        if (button->window == window)
            return button.get();
    return nullptr;
}

// Tracks the mouse so the raised edge follows it.
LRESULT CALLBACK flatButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FlatButton* button = flatButtonOf(window);
    switch (message) {
    case WM_MOUSEMOVE:
        if (button && !button->hot) {
            button->hot = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
            InvalidateRect(window, nullptr, FALSE);
        }
        break;
    case WM_MOUSELEAVE:
        if (button) {
            button->hot = false;
            InvalidateRect(window, nullptr, FALSE);
        }
        break;
    case WM_NCDESTROY:
        std::erase_if(flatButtons, [window](const auto& b) { return b->window == window; });
        break;
    default:
        break;
    }
    return CallWindowProcA(buttonClassProc, window, message, wParam, lParam);
}
} // namespace

HWND createFlatButton(HWND parent, int id, ControlPlace place, HBITMAP picture, int pictureSize) {
    HWND window = CreateWindowExA(
        0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, place.left, place.top,
        place.width, place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        GetModuleHandleA(nullptr), nullptr);
    if (!window)
        return nullptr;
    auto button = std::make_unique<FlatButton>();
    button->window = window;
    button->picture = picture;
    button->pictureSize = pictureSize;
    flatButtons.push_back(std::move(button));
    auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(flatButtonProc)));
    if (!buttonClassProc)
        buttonClassProc = previous;
    return window;
}

void drawFlatButton(const DRAWITEMSTRUCT& item) {
    const FlatButton* button = flatButtonOf(item.hwndItem);
    RECT box = item.rcItem;
    HDC dc = item.hDC;
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const bool pressed = item.itemState & ODS_SELECTED;
    if (pressed)
        DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    else if (button && button->hot)
        DrawEdge(dc, &box, BDR_RAISEDINNER, BF_RECT);
    if (button && button->picture) {
        const int size = button->pictureSize;
        const int shift = pressed ? 1 : 0;
        const int x = box.left + (box.right - box.left - size) / 2 + shift;
        const int y = box.top + (box.bottom - box.top - size) / 2 + shift;
        MemoryDc source(dc, button->picture);
        BitBlt(dc, x, y, size, size, source.get(), 0, 0, SRCCOPY);
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = box;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}
