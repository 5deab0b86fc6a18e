#include "core/staging_list.h"

#include "core/list_lock.h"
#include "core/split_non_empty.h"

#include <string>
#include <functional>
#include <unordered_set>

std::vector<std::string> pendingPaths;
std::int32_t pendingCount = 0;

namespace {
CountDisplay countDisplay = nullptr;
struct PathHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
// Exact byte copies of pendingPaths, so that a big drop is not a quadratic scan.
std::unordered_set<std::string, PathHash, std::equal_to<>> pendingIndex;

void showCount() {
    if (countDisplay)
        countDisplay(std::to_string(pendingCount));
}
} // namespace

void setCountDisplay(CountDisplay display) {
    countDisplay = display;
}

bool containsPath(std::string_view path) {
    return pendingIndex.find(path) != pendingIndex.end();
}

void addDroppedFiles(std::string_view droppedText) {
    std::string separator = "\r\n";
    std::vector<std::string> pieces;
    splitNonEmpty(droppedText, separator, 0, pieces);
    for (std::string& piece : pieces) {
        if (containsPath(piece))
            continue;
        ++pendingCount;
        showCount();
        ListLockHold hold;
        pendingIndex.insert(piece);
        pendingPaths.push_back(std::move(piece));
    }
}

int removePendingAt(int index) {
    if (index < 0 || index >= pendingSize())
        return 0;
    {
        ListLockHold hold;
        const auto at = pendingPaths.begin() + index;
        pendingIndex.erase(*at);
        pendingPaths.erase(at);
    }
    --pendingCount;
    return 1;
}

void clearPending() {
    ListLockHold hold;
    pendingPaths.clear();
    pendingPaths.shrink_to_fit();
    pendingIndex.clear();
    pendingIndex.rehash(0);
}

int pendingSize() {
    return static_cast<int>(pendingPaths.size());
}
