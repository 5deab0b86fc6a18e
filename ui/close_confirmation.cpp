#include "ui/close_confirmation.h"

#include "core/program_texts.h"
#include "core/staging_list.h"

#include <windows.h>

namespace {
bool asking = false;
}

bool confirmClose() {
    if (pendingSize() == 0)
        return true;
    if (asking)
        return false; // one question at a time; the open one decides
    asking = true;
    const int answer = MessageBoxA(nullptr, texts::closeWithPending, texts::closeTitle,
                                   MB_OKCANCEL | MB_ICONEXCLAMATION | MB_TASKMODAL);
    asking = false;
    return answer == IDOK;
}
