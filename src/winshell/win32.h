#pragma once

// The system's headers, without the macros that rename the program's own functions: windows.h
// makes MessageBox MessageBoxW and DrawText DrawTextW, which the ports also name.
#include <windows.h>

#undef MessageBox
#undef DrawText
