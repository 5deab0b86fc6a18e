#include "core/status_display.h"

namespace {
StatusDisplay statusDisplay = nullptr;
}

void setStatusDisplay(StatusDisplay display) {
    statusDisplay = display;
}

void showStatus(std::string_view text) {
    if (statusDisplay)
        statusDisplay(text);
}
