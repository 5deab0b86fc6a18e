#include "core/dropped_files.h"

#include "core/code_page.h"

#include <type_traits>

namespace {
constexpr size_t headerSize = 20; // offset, point (2 x 4), non-client flag, wide flag

std::uint32_t readU32(std::span<const std::uint8_t> b, size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// A code page name must not end inside a character: its last byte would join the
// separator that follows it in the text the intake splits.
bool wholeText(const std::u16string&) {
    return true;
}
bool wholeText(const std::string& name) {
    size_t i = 0;
    while (i < name.size())
        i += isLeadByte(static_cast<unsigned char>(name[i])) ? 2 : 1;
    return i == name.size();
}

template <typename Unit, typename Out>
void readNames(std::span<const std::uint8_t> b, size_t at, Out& names) {
    std::basic_string<Unit> name;
    bool clean = true;
    while (at + sizeof(Unit) <= b.size()) {
        Unit unit = 0;
        for (size_t k = 0; k < sizeof(Unit); ++k)
            unit = static_cast<Unit>(unit | static_cast<Unit>(b[at + k]) << (8 * k));
        at += sizeof(Unit);
        if (unit == 0) {
            if (name.empty())
                return; // the empty name ends the list
            if (clean && wholeText(name))
                names.push_back(std::move(name));
            name.clear();
            clean = true;
            continue;
        }
        if (static_cast<std::make_unsigned_t<Unit>>(unit) < 0x20)
            clean = false;
        name.push_back(unit);
    }
    // A name the block cuts off is not taken: it could be the prefix of another path.
}
} // namespace

DroppedNames decodeDroppedFiles(std::span<const std::uint8_t> block) {
    DroppedNames names;
    if (block.size() < headerSize)
        return names;
    const std::uint32_t offset = readU32(block, 0);
    names.wide = readU32(block, 16) != 0;
    if (offset < headerSize || offset >= block.size())
        return names;
    if (names.wide)
        readNames<char16_t>(block, offset, names.utf16);
    else
        readNames<char>(block, offset, names.ansi);
    return names;
}

std::string droppedFilesText(const std::vector<std::string>& paths) {
    if (paths.size() == 1)
        return paths.front();
    size_t length = 0;
    for (const std::string& p : paths)
        length += p.size() + 2;
    std::string text;
    text.reserve(length);
    for (const std::string& p : paths) {
        text += p;
        text += "\r\n";
    }
    return text;
}
