#include "core/code_page.h"

// Off Windows the logic is exercised against code page 936, the program's own.
bool isLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
