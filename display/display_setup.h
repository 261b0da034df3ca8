// Taking the screen, telling the user when that fails, and giving everything back.
#pragma once

#include "shell/win32.h"

int InitDisplay(HWND window);
int ReportInitFailure(HWND window);
void ReleaseDisplay();
