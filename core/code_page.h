#pragma once
// Character boundaries in the system's double-byte ANSI code page.

// True when the byte opens a two-byte character.
bool isLeadByte(unsigned char byte);
