// The program's embedded resources. On Windows a resource script puts them into the program file;
// elsewhere the build compiles this table into the program.
#pragma once

#include "shell/win32/win32_types.h"

struct Win32Resource {
    LPCSTR type;  // an integer type such as RT_BITMAP
    LPCSTR name;  // a name (matched without regard to case) or an integer identifier
    const BYTE* data;
    DWORD size;
};

extern const Win32Resource win32Resources[];
extern const int win32ResourceCount;
