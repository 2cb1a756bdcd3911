// Portable-core guard. This directory is first on the include path of every portable target
// in the win64 tree (cmake/VantixTargets.cmake), so reaching this file means portable code
// included <objbase.h>.
#error "the portable core must not include <windows.h> (here <objbase.h>); move this code into a Windows layer"
