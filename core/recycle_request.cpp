#include "core/recycle_request.h"

namespace {
constexpr std::uint16_t allowUndo = 0x0040;
constexpr std::uint16_t noConfirmation = 0x0010;
constexpr std::uint16_t noErrorUi = 0x0400;
constexpr std::uint16_t silent = 0x0004;

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

std::uint16_t recycleFlags(int options) {
    std::uint16_t flags = allowUndo;
    if (options & 1)
        flags |= noConfirmation;
    if (options & 2)
        flags |= noErrorUi;
    if (options & 4)
        flags |= silent;
    return flags;
}

bool isSafeToRecycle(std::string_view path) {
    if (path.find_first_of("*?") != std::string_view::npos)
        return false;
    for (char c : path)
        if (static_cast<unsigned char>(c) < 0x20)
            return false; // no real name holds a control character

    const bool driveAbsolute = path.size() >= 3 && isLetter(path[0]) && path[1] == ':' &&
                               (path[2] == '\\' || path[2] == '/');
    const bool unc = path.size() >= 3 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
    return driveAbsolute || unc;
}

std::string doubleZeroList(std::string_view path) {
    std::string list(path);
    list.append(2, '\0');
    return list;
}
