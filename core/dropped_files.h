#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The names a file drop carries (the CF_HDROP block), read without trusting its
// sizes: nothing outside the block is read, and a name that is cut off by the end
// of the block or holds a control character (never part of a real path) is left out.
struct DroppedNames {
    bool wide = false;
    std::vector<std::string> ansi;     // when !wide: code page bytes as dropped
    std::vector<std::u16string> utf16; // when wide
};

DroppedNames decodeDroppedFiles(std::span<const std::uint8_t> block);

// The text the intake takes: one path alone, or every path followed by CR LF.
std::string droppedFilesText(const std::vector<std::string>& paths);
