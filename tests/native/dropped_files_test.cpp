#include "core/dropped_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
// A file-drop block: the 20-byte header, then the names as the shell lays them out.
std::vector<std::uint8_t> block(bool wide, const std::vector<std::uint8_t>& names,
                                std::uint32_t offset = 20) {
    std::vector<std::uint8_t> b(20, 0);
    std::memcpy(b.data(), &offset, 4);
    b[16] = wide ? 1 : 0;
    b.insert(b.end(), names.begin(), names.end());
    return b;
}

std::vector<std::uint8_t> ansiNames(const std::string& laidOut) {
    return {laidOut.begin(), laidOut.end()};
}

std::vector<std::uint8_t> wideNames(const std::u16string& laidOut) {
    std::vector<std::uint8_t> b;
    for (char16_t c : laidOut) {
        b.push_back(static_cast<std::uint8_t>(c & 0xFF));
        b.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return b;
}

TEST(DroppedFiles, ReadsAnsiAndWideNamesInOrder) {
    const auto ansi =
        decodeDroppedFiles(block(false, ansiNames(std::string("C:\\a\0D:\\\xB0\xA1\0\0", 11))));
    EXPECT_FALSE(ansi.wide);
    EXPECT_EQ(ansi.ansi, (std::vector<std::string>{"C:\\a", "D:\\\xB0\xA1"}));

    const auto wide =
        decodeDroppedFiles(block(true, wideNames(std::u16string(u"C:\\a\0C:\\\u5F00\0\0", 11))));
    EXPECT_TRUE(wide.wide);
    EXPECT_EQ(wide.utf16, (std::vector<std::u16string>{u"C:\\a", u"C:\\\u5F00"}));
}

TEST(DroppedFiles, NeverReadsOutsideTheBlockAndDropsCutOffNames) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> data;
        std::vector<std::string> ansi;
    };
    const Case cases[] = {
        {"empty block", {}, {}},
        {"header cut short", std::vector<std::uint8_t>(19, 0), {}},
        {"offset past the end", block(false, ansiNames("C:\\a"), 4000), {}},
        {"offset inside the header", block(false, ansiNames(std::string("C:\\a\0\0", 6)), 8), {}},
        {"no names at all", block(false, {}), {}},
        {"last name unterminated",
         block(false, ansiNames(std::string("C:\\a\0C:\\Users\\me", 16))),
         {"C:\\a"}},
        {"list without its final zero",
         block(false, ansiNames(std::string("C:\\a\0", 5))),
         {"C:\\a"}},
        {"control characters are no path",
         block(false, ansiNames(std::string("C:\\a\r\nC:\\b\0C:\\c\0\0", 17))),
         {"C:\\c"}},
        {"name ending inside a character",
         block(false, ansiNames(std::string("C:\\\xB0\0C:\\d\0\0", 11))),
         {"C:\\d"}},
    };
    for (const Case& c : cases) {
        const auto names = decodeDroppedFiles(c.data);
        EXPECT_EQ(names.ansi, c.ansi) << c.name;
    }
    // A wide list cut in the middle of a character keeps only the whole names.
    auto cut = block(true, wideNames(std::u16string(u"C:\\a\0C:\\b", 9)));
    cut.pop_back();
    EXPECT_EQ(decodeDroppedFiles(cut).utf16, (std::vector<std::u16string>{u"C:\\a"}));
}

TEST(DroppedFiles, DeliveryTextIsOnePathAloneOrEveryPathWithCrLf) {
    EXPECT_EQ(droppedFilesText({"C:\\only"}), "C:\\only");
    EXPECT_EQ(droppedFilesText({"C:\\a", "C:\\b"}), "C:\\a\r\nC:\\b\r\n");
    EXPECT_EQ(droppedFilesText({}), "");
    const std::string longPath = "C:\\" + std::string(5000, 'x');
    EXPECT_EQ(droppedFilesText({longPath}), longPath);
}
} // namespace
