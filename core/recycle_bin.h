#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

// One shell file operation, field for field as the shell's own record.
struct RecycleRequest {
    HWND hwnd = nullptr;
    std::uint32_t wFunc = 3; // delete
    std::string pFrom;       // double-zero-terminated list of one name
    std::string pTo;         // empty: passed as null
    std::uint16_t fFlags = 0;
    BOOL fAnyOperationsAborted = FALSE;
    void* hNameMappings = nullptr;
    std::string lpszProgressTitle; // empty: passed as null
};

// Sends one path to the Recycle Bin (always with undo); true when the shell did it.
bool sendToRecycleBin(std::string_view path, int options);
