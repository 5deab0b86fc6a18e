#pragma once
#include <windows.h>

// How a recycle run shows itself in the main window. The worker posts these messages and
// never waits; the main window's own thread changes the caption, the label and the list.
constexpr UINT runStartedMessage = WM_APP + 1;  // wParam: total
constexpr UINT runProgressMessage = WM_APP + 2; // more paths were sent
constexpr UINT runFinishedMessage = WM_APP + 3; // wParam: total
constexpr UINT runNoFilesMessage = WM_APP + 4;  // the empty-list flash is over

void connectRunProgress();
// The delete button: one new run unless one is going.
void onDeleteButtonClicked();
// Handles the messages above; false for any other message.
bool onRunMessage(UINT message, WPARAM wParam);
