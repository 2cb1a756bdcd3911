#pragma once

// Resource identifiers of the program file (Vantix.rc). Plain macros: the resource compiler
// reads this header too.
#define IDI_VANTIX 128
#define IDD_VANTIX_MAIN 102
#define IDD_VANTIX_PANEL 129
#define IDD_VANTIX_ENTRY 131
#define IDD_VANTIX_STAGES 132
#define IDD_VANTIX_PICKER 135
