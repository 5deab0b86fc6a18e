#include "core/list_lock.h"

#include <windows.h>

namespace {
CRITICAL_SECTION listLock;
bool listLockCreated = false;
} // namespace

void createListLock() {
    if (listLockCreated)
        return;
    InitializeCriticalSection(&listLock);
    listLockCreated = true;
}

void deleteListLock() {
    if (!listLockCreated)
        return;
    DeleteCriticalSection(&listLock);
    listLockCreated = false;
}

void enterListLock() {
    if (listLockCreated)
        EnterCriticalSection(&listLock);
}

void leaveListLock() {
    if (listLockCreated)
        LeaveCriticalSection(&listLock);
}
