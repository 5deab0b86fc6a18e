#include "core/staging_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> labelWrites;
void recordLabel(std::string_view text) {
    labelWrites.emplace_back(text);
}

class StagingList : public testing::Test {
protected:
    void SetUp() override {
        clearPending();
        pendingCount = 0;
        labelWrites.clear();
        setCountDisplay(recordLabel);
    }
    void TearDown() override { setCountDisplay(nullptr); }
};

TEST_F(StagingList, DropAddsEachNewPathOnceAndCountsItOnTheLabel) {
    addDroppedFiles("C:\\Temp\\A.txt\r\nc:\\temp\\a.txt\r\nC:\\Temp\\A.txt\r\nD:\\Folder\r\n");
    EXPECT_EQ(pendingPaths,
              (std::vector<std::string>{"C:\\Temp\\A.txt", "c:\\temp\\a.txt", "D:\\Folder"}));
    EXPECT_EQ(pendingCount, 3);
    EXPECT_EQ(labelWrites, (std::vector<std::string>{"1", "2", "3"}));

    // A drop of what is already pending changes nothing, the label included.
    addDroppedFiles("D:\\Folder");
    addDroppedFiles("");
    addDroppedFiles("\r\n\r\n");
    EXPECT_EQ(pendingSize(), 3);
    EXPECT_EQ(pendingCount, 3);
    EXPECT_EQ(labelWrites.size(), 3u);
    EXPECT_TRUE(containsPath("c:\\temp\\a.txt"));
    EXPECT_FALSE(containsPath("C:\\TEMP\\A.TXT"));
    EXPECT_FALSE(containsPath(""));
}

TEST_F(StagingList, RemovalKeepsOrderAndIgnoresOutOfRangeIndexes) {
    addDroppedFiles("a\r\nb\r\nc\r\n");
    EXPECT_EQ(removePendingAt(-1), 0);
    EXPECT_EQ(removePendingAt(3), 0);
    EXPECT_EQ(pendingCount, 3);
    EXPECT_EQ(removePendingAt(1), 1);
    EXPECT_EQ(pendingPaths, (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(pendingCount, 2);
    // A removed path can be staged again.
    EXPECT_FALSE(containsPath("b"));
    addDroppedFiles("b");
    EXPECT_EQ(pendingPaths.back(), "b");
}

TEST_F(StagingList, ClearEmptiesTheListButLeavesTheCounter) {
    addDroppedFiles("a\r\nb\r\n");
    clearPending();
    EXPECT_EQ(pendingSize(), 0);
    EXPECT_EQ(pendingCount, 2);
    EXPECT_FALSE(containsPath("a"));
}

TEST_F(StagingList, BytesThatAreNotValidTextAreKeptExactly) {
    const std::string odd("\xFF\xFE\x80 \xB0\xB0", 6);
    addDroppedFiles(odd + "\r\n" + std::string("x\0y", 3) + "\r\n");
    ASSERT_EQ(pendingSize(), 2);
    EXPECT_EQ(pendingPaths[0], odd);
    EXPECT_EQ(pendingPaths[1], std::string("x\0y", 3));
}
} // namespace
