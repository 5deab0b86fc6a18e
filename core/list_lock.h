#pragma once
// The lock that guards pendingPaths between the user-interface thread and a recycle
// run. Nobody holds it while calling into the window system, so it can never deadlock
// against a thread that waits for the user-interface thread.

void createListLock();
void deleteListLock();
void enterListLock();
void leaveListLock();

class ListLockHold {
public:
    ListLockHold() { enterListLock(); }
    ~ListLockHold() { leaveListLock(); }
    ListLockHold(const ListLockHold&) = delete;
    ListLockHold& operator=(const ListLockHold&) = delete;
};
