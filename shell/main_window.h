// The program's one window and the messages it answers.
#pragma once

#include <cstdint>

#include "shell/win32.h"

extern HWND mainWindow;
extern int32_t appActive;

int CreateMainWindow(HINSTANCE instance, int showCommand);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
