// The DirectDraw interface as the program sees it: the system's own on Windows, our stand-in elsewhere.
#pragma once

#include "shell/win32.h"

#ifdef _WIN32
#include <ddraw.h>
#else
#include "display/ddraw/ddraw_api.h"
#endif
