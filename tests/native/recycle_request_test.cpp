#include "core/recycle_request.h"

#include <gtest/gtest.h>

namespace {
TEST(RecycleRequest, FlagsAlwaysAllowUndo) {
    EXPECT_EQ(recycleFlags(0), 0x0040);
    EXPECT_EQ(recycleFlags(1), 0x0050); // what every run uses
    EXPECT_EQ(recycleFlags(2), 0x0440);
    EXPECT_EQ(recycleFlags(4), 0x0044);
    EXPECT_EQ(recycleFlags(7), 0x0454);
}

TEST(RecycleRequest, OnlyWholePlainPathsReachTheShell) {
    const std::pair<const char*, bool> cases[] = {
        {"C:\\Temp\\a.txt", true},
        {"d:/mixed/slashes", true},
        {"\\\\server\\share\\x", true},
        {"C:\\Temp\\*", false},    // a wildcard would take other files along
        {"C:\\Temp\\?\\a", false}, // a name the code page could not hold
        {"C:\\Temp\\a?.txt", false},
        {"relative\\path", false}, // would be resolved against the current folder
        {"C:relative", false},
        {"\\rooted\\no\\drive", false},
        {"\\\\\\triple", false},
        {"", false},
    };
    for (const auto& [path, safe] : cases)
        EXPECT_EQ(isSafeToRecycle(path), safe) << path;
    EXPECT_FALSE(isSafeToRecycle(std::string("C:\\a\0b", 6)));
    EXPECT_FALSE(isSafeToRecycle("C:\\a\xB0\r\nC:\\b"));
}

TEST(RecycleRequest, NameListEndsWithTwoZeroBytes) {
    EXPECT_EQ(doubleZeroList("C:\\a"), std::string("C:\\a\0\0", 6));
}
} // namespace
