#include "core/program_directory.h"

#include <windows.h>

namespace {
template <typename Char, typename Get> std::basic_string<Char> folderOfModule(Get get) {
    std::basic_string<Char> path(MAX_PATH, Char{});
    for (;;) {
        const DWORD length = get(path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2); // the module path was cut off: ask again with more room
    }
    const auto slash = path.find_last_of(Char('\\'));
    return slash == std::basic_string<Char>::npos ? path : path.substr(0, slash);
}
} // namespace

std::string programDirectory() {
    return folderOfModule<char>(
        [](char* buffer, DWORD size) { return GetModuleFileNameA(nullptr, buffer, size); });
}

std::wstring programDirectoryWide() {
    return folderOfModule<wchar_t>(
        [](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
}
