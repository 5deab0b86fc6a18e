#pragma once
#include <windows.h>

// Dispatches one message as every loop of the program does: in the main window and the
// list window, Tab moves between controls and Esc asks the window to close.
void dispatchProgramMessage(MSG& message);
// Takes and dispatches every waiting message, leaving WM_QUIT where it is. Returns false
// when WM_QUIT is waiting.
bool dispatchWaitingMessages();
// The event loop: runs until WM_QUIT and returns its exit code.
int runMessageLoop();
// Waits for an event while letting messages that other threads send to this thread's
// windows through (so a thread that is waiting for this one does not hang).
void waitAnsweringSentMessages(HANDLE event);
