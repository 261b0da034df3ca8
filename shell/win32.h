// The Win32 interface as the program sees it: the system's own on Windows, our stand-in elsewhere.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "shell/win32/win32_api.h"
#endif
