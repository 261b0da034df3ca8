// Start-of-process state of the Win32 stand-in. Tests run many programs in one process and reset
// between them; a real program never needs to.
#pragma once

void Win32ResetWindows();
void Win32ResetMessages();
void Win32ResetCursor();

inline void Win32ResetState() {
    Win32ResetWindows();
    Win32ResetMessages();
    Win32ResetCursor();
}
