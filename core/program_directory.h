#pragma once
#include <string>

// The folder that holds the executable, absolute and without a trailing backslash.
std::string programDirectory();
std::wstring programDirectoryWide();
