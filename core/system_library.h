#pragma once
#include <windows.h>

// Libraries the program binds by name are loaded from the system folder only, once,
// and released at shut-down. A missing library or procedure gives null.
FARPROC systemProcedure(const wchar_t* library, const char* procedure);

template <typename Function>
Function systemFunction(const wchar_t* library, const char* procedure) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(systemProcedure(library, procedure)));
}

void releaseSystemLibraries();
