#pragma once

// Resource identifiers of the companion's program file. Plain macros: the resource compiler
// reads this header too.
#define IDI_TRAY 128
