#pragma once
// Resource ids, by kind.

#define IDI_VELMORA 1

#define IDB_TWO_SHEETS 101
#define IDB_FLOPPY 102
#define IDB_WASTE_BIN 103

#define IDR_COMPLETION_SOUND 201
