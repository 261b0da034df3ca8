// Program entry: the screensaver switch, the random seed, then the window, the display and the loop.
#pragma once

#include <cstdint>

#include "shell/win32.h"

extern int32_t screensaverMode;

// Everything after the switch and the seed: window, display, picture, first presentation, loop.
int RunLumivane(HINSTANCE instance, int showCommand);
