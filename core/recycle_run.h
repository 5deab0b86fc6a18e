#pragma once
#include <windows.h>

// What a run tells the main window. These are called on the worker thread and must not
// wait for the user-interface thread: the main window posts itself messages from them.
struct RecycleRunEvents {
    void (*noFiles)();           // the list was empty: the run shows its own flash
    void (*started)(int total);  // before the first path
    void (*pathSent)();          // one more path is in the Recycle Bin
    void (*finished)(int total); // every path was tried
};
void setRecycleRunEvents(const RecycleRunEvents& events);

// The worker's body: sends the first `total` pending paths, in order, one by one.
DWORD WINAPI recycleRun(void* unused);

// User-interface thread. Starts a worker for a click on the delete button; while one is
// going, the click is taken as already answered and nothing starts (false).
bool startRecycleRun();
// True from a click until the main window has taken the run's end; the list does not
// change meanwhile (drops and removals are refused), so the run reads a still list.
bool recycleRunGoing();
// The main window has taken the run's end (or its no-files flash is over).
void recycleRunEnded();
// Shut-down: no further path is sent; waits for the one the shell is working on.
void stopRecycleRunsAndWait();
