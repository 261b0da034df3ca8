// Windows and classes of the Win32 stand-in, shared by its message, window and DirectDraw code.
#pragma once

#include "shell/win32/win32_types.h"

struct Win32Window {
    WNDPROC procedure;
    HCURSOR classCursor;
    RECT screenRect;  // the window's rectangle in screen coordinates; a pop-up has no frame
    bool visible;
};

// The live window behind a handle, or null: handles are never reused, so a stale one finds nothing.
Win32Window* Win32FindWindow(HWND window);

// The window that host input goes to: the one shown last, while it lives.
HWND Win32InputWindow();

// Moves and sizes a window, as DirectDraw does to its cooperative window when the mode changes.
void Win32PlaceWindow(HWND window, int x, int y, int width, int height);

// The program's own module: what WinMain receives and what resource look-ups accept.
HINSTANCE Win32ModuleInstance();
