#include "core/recycle_bin.h"

#include "core/recycle_request.h"
#include "core/system_library.h"

#include <shellapi.h>

#include <cstddef>

#if !defined(_WIN64)
// The 32-bit shell record is packed: the request must land on these offsets.
static_assert(sizeof(SHFILEOPSTRUCTA) == 30);
static_assert(offsetof(SHFILEOPSTRUCTA, wFunc) == 4);
static_assert(offsetof(SHFILEOPSTRUCTA, pFrom) == 8);
static_assert(offsetof(SHFILEOPSTRUCTA, pTo) == 12);
static_assert(offsetof(SHFILEOPSTRUCTA, fFlags) == 16);
static_assert(offsetof(SHFILEOPSTRUCTA, fAnyOperationsAborted) == 18);
static_assert(offsetof(SHFILEOPSTRUCTA, hNameMappings) == 22);
static_assert(offsetof(SHFILEOPSTRUCTA, lpszProgressTitle) == 26);
#endif

namespace {
using ShFileOperation = int(WINAPI*)(SHFILEOPSTRUCTA*);

const char* nullIfEmpty(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

SHFILEOPSTRUCTA toNative(const RecycleRequest& request) {
    SHFILEOPSTRUCTA native{};
    native.hwnd = request.hwnd;
    native.wFunc = request.wFunc;
    native.pFrom = request.pFrom.c_str();
    native.pTo = nullIfEmpty(request.pTo);
    native.fFlags = request.fFlags;
    native.fAnyOperationsAborted = request.fAnyOperationsAborted;
    native.hNameMappings = request.hNameMappings;
    native.lpszProgressTitle = nullIfEmpty(request.lpszProgressTitle);
    return native;
}

void copyBack(const SHFILEOPSTRUCTA& native, RecycleRequest& request) {
    request.fAnyOperationsAborted = native.fAnyOperationsAborted;
    request.hNameMappings = native.hNameMappings;
}
} // namespace

bool sendToRecycleBin(std::string_view path, int options) {
    if (!isSafeToRecycle(path))
        return false;
    static const auto shFileOperation =
        systemFunction<ShFileOperation>(L"shell32.dll", "SHFileOperationA");
    if (!shFileOperation)
        return false;

    RecycleRequest request;
    request.pFrom = doubleZeroList(path);
    request.fFlags = recycleFlags(options);
    SHFILEOPSTRUCTA native = toNative(request);
    const int result = shFileOperation(&native);
    copyBack(native, request);
    return result == 0 && !request.fAnyOperationsAborted;
}
