#include "app/program_state.h"

#include "core/staging_list.h"

static_assert(sizeof(DisplayModeRecord) == 16);

DisplayModeRecord displayMode;
std::int32_t translucent = 0;
std::string dockEdge;

void exitCleanup() {
    displayMode = {};
    clearPending();
    dockEdge.clear();
    dockEdge.shrink_to_fit();
}
