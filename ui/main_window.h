#pragma once
#include <windows.h>

#include <string_view>

// The invisible tool window that owns the program's top-level windows, so that the main
// window gets no taskbar button.
extern HWND ownerWindow;
extern HWND mainWindow;

// The main window's controls, by the names they go by.
extern HWND 分组框1;
extern HWND 图片框1;
extern HWND 标签;
extern HWND 保存按钮;
extern HWND 删除按钮;
// The timer that drives the edge docking.
constexpr UINT_PTR 贴边隐藏时钟 = 1000;
constexpr UINT dockTimerPeriod = 100;

constexpr char mainWindowClass[] = "VelmoraMainWindow";

// Creates the owner and the main window (the created handler runs inside); false when the
// window system refused.
bool createMainWindow(HINSTANCE instance);
void destroyOwnerWindow();

void setLabelText(std::string_view text);
// True on the thread that runs the windows.
bool onUserInterfaceThread();
