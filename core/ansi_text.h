#pragma once
#include <string>
#include <string_view>

// Unicode to the ANSI code page without best-fit look-alikes: a character the code
// page lacks becomes '?', never a different real character such as '/' or 'A'.
std::string toAnsiExact(std::u16string_view text);
