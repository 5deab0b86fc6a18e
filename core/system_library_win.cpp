#include "core/system_library.h"

#include <array>
#include <cwchar>

namespace {
struct LoadedLibrary {
    const wchar_t* name = nullptr;
    HMODULE module = nullptr;
};
std::array<LoadedLibrary, 8> loaded;
SRWLOCK loadedLock = SRWLOCK_INIT;

HMODULE systemLibrary(const wchar_t* name) {
    AcquireSRWLockExclusive(&loadedLock);
    HMODULE module = nullptr;
    for (LoadedLibrary& entry : loaded) {
        if (entry.name && std::wcscmp(entry.name, name) == 0) {
            module = entry.module;
            break;
        }
        if (!entry.name) {
            module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
            entry = {name, module};
            break;
        }
    }
    ReleaseSRWLockExclusive(&loadedLock);
    return module;
}
} // namespace

FARPROC systemProcedure(const wchar_t* library, const char* procedure) {
    HMODULE module = systemLibrary(library);
    return module ? GetProcAddress(module, procedure) : nullptr;
}

void releaseSystemLibraries() {
    AcquireSRWLockExclusive(&loadedLock);
    for (LoadedLibrary& entry : loaded) {
        if (entry.module)
            FreeLibrary(entry.module);
        entry = {};
    }
    ReleaseSRWLockExclusive(&loadedLock);
}
