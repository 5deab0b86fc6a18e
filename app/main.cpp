// Velmora: a small always-on-top box that stages files for the Recycle Bin.
#include "app/program_state.h"
#include "core/completion_sound.h"
#include "core/list_lock.h"
#include "core/program_directory.h"
#include "core/recycle_run.h"
#include "core/staging_list.h"
#include "core/system_library.h"
#include "ui/drop_target.h"
#include "ui/main_window.h"
#include "ui/message_pump.h"

#include <windows.h>
#include <ole2.h>

namespace {
// The exit clean-up, registered as start-up gets going and run once as the program ends:
// in the reverse order of start-up.
class ExitCleanup {
public:
    explicit ExitCleanup(bool oleStarted) : oleStarted_(oleStarted) {}
    ~ExitCleanup() {
        // A run still going must not find its list and lock gone: it stops after the
        // path the shell is working on, and what it has not sent stays where it is.
        stopRecycleRunsAndWait();
        exitCleanup();
        deleteListLock();
        releaseDropArea();
        destroyOwnerWindow();
        releaseSystemLibraries();
        stopSoundsAndWait();
        if (oleStarted_)
            OleUninitialize();
    }
    ExitCleanup(const ExitCleanup&) = delete;
    ExitCleanup& operator=(const ExitCleanup&) = delete;

private:
    bool oleStarted_;
};
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Elevated: never load a library from the program's folder or the current directory.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");

    const bool oleStarted = SUCCEEDED(OleInitialize(nullptr));
    SetCurrentDirectoryW(programDirectoryWide().c_str());

    displayMode = {};
    pendingPaths.clear();

    ExitCleanup cleanup(oleStarted);
    if (!createMainWindow(instance))
        return 0;
    runMessageLoop();
    return 0;
}
