#pragma once
#include <string_view>

// Where the staging core reports an outcome to the user (a one-second flash in the main
// window's title bar); nothing is shown until the main window sets it.
using StatusDisplay = void (*)(std::string_view text);
void setStatusDisplay(StatusDisplay display);
void showStatus(std::string_view text);
