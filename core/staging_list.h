#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The paths waiting to be sent to the Recycle Bin, in the order they were dropped.
// Changed only on the user-interface thread; a recycle run reads it under the list lock.
extern std::vector<std::string> pendingPaths;
// The number the label shows. Not a size: runs and removals move it on their own.
extern std::int32_t pendingCount;

// Where the intake shows the counter; the main window points it at its label.
using CountDisplay = void (*)(std::string_view text);
void setCountDisplay(CountDisplay display);

bool containsPath(std::string_view path);
// Adds every new path of one drop (CR LF separated), counting each on the label.
void addDroppedFiles(std::string_view droppedText);
// Takes the entry at a 0-based index off the list; 1 when removed, 0 otherwise.
int removePendingAt(int index);
void clearPending();
int pendingSize();
