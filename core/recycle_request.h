#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The shell's flags for one recycle operation: allow undo always, plus the options
// 1 (no confirmation), 2 (no error message) and 4 (no progress window).
std::uint16_t recycleFlags(int options);

// Only a whole, plain path may reach the shell: it reads '*' and '?' as wildcards
// (which would send other files to the Recycle Bin) and resolves relative paths
// against the current folder.
bool isSafeToRecycle(std::string_view path);

// The shell's name list for one path: its bytes and two zero bytes.
std::string doubleZeroList(std::string_view path);
