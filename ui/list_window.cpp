#include "ui/list_window.h"

#include "core/program_texts.h"
#include "core/staging_list.h"
#include "core/recycle_run.h"
#include "res/resource.h"
#include "ui/main_window.h"
#include "ui/message_pump.h"
#include "ui/resource_bitmap.h"
#include "ui/control_place.h"
#include "ui/scoped_gdi.h"

#include <string>
#include <string_view>
#include <vector>

HWND listWindow = nullptr;
HWND 列表框 = nullptr;

namespace {
constexpr char listWindowClass[] = "VelmoraListWindow";
constexpr int listWindowWidth = 679;
constexpr int listWindowHeight = 354;
constexpr ControlPlace listBoxPlace{8, 8, 656, 304};
constexpr int listBoxId = 1;
ScopedFont listFont;

struct RememberedState {
    HWND window;
    bool enabled;
};
std::vector<RememberedState> disabledWindows;

void fillListBox() {
    SendMessageA(列表框, WM_SETREDRAW, FALSE, 0);
    SendMessageA(列表框, LB_RESETCONTENT, 0, 0);
    for (const std::string& path : pendingPaths)
        SendMessageA(列表框, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    SendMessageA(列表框, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(列表框, nullptr, TRUE);
}

void onListCreated(HWND window) {
    SetWindowTextA(window, texts::listWindowTitle);
    listFont.reset(createPixelFont(texts::fontYaHei, 12, false));
    列表框 = CreateWindowExA(0, "LISTBOX", "",
                             WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP |
                                 LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT,
                             listBoxPlace.left, listBoxPlace.top, listBoxPlace.width,
                             listBoxPlace.height, window,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(listBoxId)),
                             GetModuleHandleA(nullptr), nullptr);
    SendMessageA(列表框, WM_SETFONT, reinterpret_cast<WPARAM>(listFont.get()), FALSE);
    const LRESULT itemHeight = SendMessageA(列表框, LB_GETITEMHEIGHT, 0, 0);
    if (itemHeight != LB_ERR)
        SendMessageA(列表框, LB_SETITEMHEIGHT, 0, MAKELPARAM(itemHeight + 1, 0));
    listWindow = window;
    fillListBox();
}

// Double-click: the selected path leaves the list and the window.
void onListDoubleClick() {
    const int selected = static_cast<int>(SendMessageA(列表框, LB_GETCURSEL, 0, 0));
    if (recycleRunGoing()) {
        MessageBeep(MB_ICONWARNING); // the run is sending these paths now
        return;
    }
    if (removePendingAt(selected) != 1)
        return;
    const LRESULT current = SendMessageA(列表框, LB_GETCURSEL, 0, 0);
    SendMessageA(列表框, LB_DELETESTRING, static_cast<WPARAM>(current), 0);
    setLabelText(std::to_string(pendingSize()));
}

bool isProgramWindow(HWND window) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    return std::string_view(className).starts_with("Velmora");
}

BOOL CALLBACK disableIfOther(HWND window, LPARAM except) {
    if (window != reinterpret_cast<HWND>(except) && isProgramWindow(window) &&
        !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
        disabledWindows.push_back({window, IsWindowEnabled(window) != FALSE});
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

// Every other parentless window of the program, its enabled state remembered.
void disableOtherWindows(HWND except) {
    disabledWindows.clear();
    EnumThreadWindows(GetCurrentThreadId(), disableIfOther, reinterpret_cast<LPARAM>(except));
}

void restoreOtherWindows() {
    for (const RememberedState& state : disabledWindows)
        if (IsWindow(state.window))
            EnableWindow(state.window, state.enabled);
    disabledWindows.clear();
}

LRESULT CALLBACK listWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onListCreated(window);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == listBoxId && HIWORD(wParam) == LBN_DBLCLK)
            onListDoubleClick();
        else if (LOWORD(wParam) == IDCANCEL)
            SendMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case WM_CTLCOLORLISTBOX:
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_CLOSE:
        restoreOtherWindows(); // before the window goes, so activation returns to them
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        listWindow = nullptr;
        列表框 = nullptr;
        return 0;
    case WM_NCDESTROY:
        listFont.reset();
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerListWindowClass(HINSTANCE instance) {
    static bool registered = false;
    if (registered)
        return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = listWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_VELMORA), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_VELMORA),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = listWindowClass;
    registered = RegisterClassExA(&windowClass) != 0;
    return registered;
}
} // namespace

void openListWindow() {
    if (listWindow)
        return;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registerListWindowClass(instance))
        return;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - listWindowWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - listWindowHeight) / 2;
    // Owned by the invisible tool window, yet with a taskbar button of its own.
    HWND window =
        CreateWindowExA(WS_EX_APPWINDOW, listWindowClass, "",
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, left, top,
                        listWindowWidth, listWindowHeight, ownerWindow, nullptr, instance, nullptr);
    if (!window)
        return;
    ShowWindow(window, SW_SHOW);
    disableOtherWindows(window);
    MSG message;
    while (listWindow) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam)); // for the outer loop
            break;
        }
        if (got < 0)
            break;
        dispatchProgramMessage(message);
    }
}

void refillListWindow() {
    if (listWindow)
        fillListBox();
}
