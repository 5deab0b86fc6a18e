#include "ui/main_window.h"

#include "app/program_state.h"
#include "core/list_export.h"
#include "core/list_lock.h"
#include "core/recycle_run.h"
#include "core/status_display.h"
#include "core/program_texts.h"
#include "core/staging_list.h"
#include "res/resource.h"
#include "ui/always_on_top.h"
#include "ui/close_confirmation.h"
#include "ui/count_label.h"
#include "ui/drop_target.h"
#include "ui/edge_docking.h"
#include "ui/flat_button.h"
#include "ui/picture_box.h"
#include "ui/resource_bitmap.h"
#include "ui/run_progress.h"
#include "ui/scoped_gdi.h"

#include "ui/status_flash.h"

#include <cmath>
#include <string>

HWND ownerWindow = nullptr;
HWND mainWindow = nullptr;
HWND 分组框1 = nullptr;
HWND 图片框1 = nullptr;
HWND 标签 = nullptr;
HWND 保存按钮 = nullptr;
HWND 删除按钮 = nullptr;

namespace {
constexpr char ownerWindowClass[] = "VelmoraOwner";

// The window and its controls, in client pixels of their parents.
constexpr int mainWindowWidth = 150;
constexpr int mainWindowHeight = 180;
constexpr int createdAt = 50;
constexpr int distanceFromEdges = 100;
constexpr ControlPlace groupBoxPlace{7, 5, 130, 110};
constexpr ControlPlace picturePlace{20, 26, 88, 64}; // inside the group box
constexpr ControlPlace labelPlace{48, 121, 48, 24};
constexpr ControlPlace saveButtonPlace{8, 120, 32, 26};
constexpr ControlPlace deleteButtonPlace{104, 120, 32, 26};
constexpr int buttonPictureSize = 20;
constexpr COLORREF labelTextColour = RGB(0xC0, 0xC0, 0xC0);

enum ControlId { groupBoxId = 100, labelId, saveButtonId, deleteButtonId };

ScopedFont groupBoxFont;
ScopedFont labelFont;
ScopedBitmap floppyPicture;
ScopedBitmap wasteBinPicture;
DWORD userInterfaceThread = 0;
bool dropTargetRegistered = false;

HWND createGroupBox(HWND parent) {
    HWND box =
        CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, groupBoxPlace.left,
                        groupBoxPlace.top, groupBoxPlace.width, groupBoxPlace.height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(groupBoxId)),
                        GetModuleHandleA(nullptr), nullptr);
    SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(groupBoxFont.get()), FALSE);
    return box;
}

void createControls(HWND window) {
    groupBoxFont.reset(createPixelFont(texts::fontYaHei, 12, false));
    labelFont.reset(createPixelFont(texts::fontYaHei, 12, true));
    floppyPicture.reset(loadPictureOnWhite(IDB_FLOPPY, buttonPictureSize, buttonPictureSize));
    wasteBinPicture.reset(loadPictureOnWhite(IDB_WASTE_BIN, buttonPictureSize, buttonPictureSize));

    分组框1 = createGroupBox(window);
    图片框1 = createPictureBox(分组框1, picturePlace);
    标签 = createCountLabel(window, labelId, labelPlace, labelFont.get());
    保存按钮 = createFlatButton(window, saveButtonId, saveButtonPlace, floppyPicture.get(),
                                buttonPictureSize);
    删除按钮 = createFlatButton(window, deleteButtonId, deleteButtonPlace, wasteBinPicture.get(),
                                buttonPictureSize);
}

DisplayModeRecord readDisplayMode() {
    DisplayModeRecord mode;
    if (HDC screen = GetDC(nullptr)) {
        mode = {GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES),
                GetDeviceCaps(screen, BITSPIXEL), GetDeviceCaps(screen, VREFRESH)};
        ReleaseDC(nullptr, screen);
    }
    return mode;
}

void placeNearTopRight(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    const double width = outer.right - outer.left;
    const int left = static_cast<int>(std::trunc(displayMode.width - width - distanceFromEdges));
    SetWindowPos(window, nullptr, left, distanceFromEdges, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void showCountOnLabel(std::string_view text) {
    setLabelText(text);
}

// Runs once the window and its controls exist, before the window is first shown.
void onCreated(HWND window) {
    translucent = 0;
    displayMode = readDisplayMode();
    placeNearTopRight(window);
    const bool registered =
        !dropTargetRegistered && RegisterDragDrop(window, createDropArea(window)) == S_OK;
    dropTargetRegistered = dropTargetRegistered || registered;
    setLabelText(registered ? texts::letsBegin : texts::uhOh);
    createListLock();
    pendingCount = 0;
    setCountDisplay(showCountOnLabel);
    setStatusDisplay(flashStatus);
    connectRunProgress();
    SetTimer(window, 贴边隐藏时钟, dockTimerPeriod, nullptr);
    setAlwaysOnTop(window, true);
}

LRESULT onControlColour(HWND control, HDC dc) {
    if (control == 标签)
        SetTextColor(dc, labelTextColour);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void onCommand(WPARAM wParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDCANCEL) { // Esc
        SendMessageA(mainWindow, WM_CLOSE, 0, 0);
        return;
    }
    if (code != BN_CLICKED)
        return;
    if (id == saveButtonId)
        exportPendingList();
    else if (id == deleteButtonId)
        onDeleteButtonClicked();
}

void onClose(HWND window) {
    if (confirmClose())
        DestroyWindow(window);
}

void onDestroy(HWND window) {
    KillTimer(window, 贴边隐藏时钟);
    if (dropTargetRegistered)
        RevokeDragDrop(window);
    PostQuitMessage(0);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        mainWindow = window;
        createControls(window);
        onCreated(window);
        return 0;
    case WM_COMMAND:
        onCommand(wParam);
        return 0;
    case WM_DRAWITEM:
        drawFlatButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return onControlColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_TIMER:
        if (wParam == 贴边隐藏时钟)
            onDockTimerTick();
        return 0;
    case WM_CLOSE:
        onClose(window);
        return 0;
    case WM_QUERYENDSESSION:
        return confirmClose() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam) // Windows ends now: finish the path in flight, send no other
            stopRecycleRunsAndWait();
        return 0;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    case WM_NCDESTROY:
        mainWindow = nullptr;
        break;
    default:
        if (onRunMessage(message, wParam))
            return 0;
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerWindowClasses(HINSTANCE instance) {
    WNDCLASSEXA owner{};
    owner.cbSize = sizeof owner;
    owner.lpfnWndProc = DefWindowProcA;
    owner.hInstance = instance;
    owner.lpszClassName = ownerWindowClass;

    WNDCLASSEXA main{};
    main.cbSize = sizeof main;
    main.lpfnWndProc = mainWindowProc;
    main.hInstance = instance;
    main.hIcon =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_VELMORA), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    main.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_VELMORA),
                                                 IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    main.hCursor = LoadCursor(nullptr, IDC_ARROW);
    main.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    main.lpszClassName = mainWindowClass;
    return RegisterClassExA(&owner) && RegisterClassExA(&main);
}
} // namespace

bool createMainWindow(HINSTANCE instance) {
    userInterfaceThread = GetCurrentThreadId();
    if (!registerWindowClasses(instance))
        return false;
    ownerWindow = CreateWindowExA(WS_EX_TOOLWINDOW, ownerWindowClass, "", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, instance, nullptr);
    if (!ownerWindow)
        return false;
    HWND window = CreateWindowExA(0, mainWindowClass, "", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  createdAt, createdAt, mainWindowWidth, mainWindowHeight,
                                  ownerWindow, nullptr, instance, nullptr);
    if (!window)
        return false;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return true;
}

void destroyOwnerWindow() {
    if (ownerWindow)
        DestroyWindow(ownerWindow);
    ownerWindow = nullptr;
    groupBoxFont.reset();
    labelFont.reset();
    floppyPicture.reset();
    wasteBinPicture.reset();
}

void setLabelText(std::string_view text) {
    const std::string shown(text);
    SetWindowTextA(标签, shown.c_str());
}

bool onUserInterfaceThread() {
    return GetCurrentThreadId() == userInterfaceThread;
}
