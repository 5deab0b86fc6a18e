#include "core/list_lock.h"

#include <mutex>

namespace {
std::recursive_mutex listLock; // recursive, like a Win32 critical section
}

void createListLock() {}
void deleteListLock() {}
void enterListLock() {
    listLock.lock();
}
void leaveListLock() {
    listLock.unlock();
}
