// The narrow interface the platform stand-ins run on. A program links exactly one host:
// host/sdl for a real screen and keyboard, host/headless for tests and off-screen rendering.
#pragma once

#include <cstdint>

// What the screen shows: the primary surface's indices seen through its palette (256 entries of
// red, green, blue, flags). Owned by the DirectDraw stand-in; the host only reads it.
struct HostScreen {
    const uint8_t* pixels;
    int width;
    int height;
    int pitch;
    const uint8_t* palette;  // null: no palette attached, the screen shows black
};

enum HostInputKind {
    HOST_INPUT_KEY,       // a key press: virtualKey
    HOST_INPUT_SYSKEY,    // a key press with Alt held, or F10: virtualKey, altDown
    HOST_INPUT_ACTIVATE,  // focus gained or lost: active, minimized
    HOST_INPUT_POINTER,   // pointer moved or a button was pressed: button (0 for a move)
    HOST_INPUT_CLOSE,     // the user or the system asks the program to close
};

struct HostInput {
    HostInputKind kind;
    uint32_t virtualKey;
    int altDown;
    int active;
    int minimized;
    int button;
};

// Every platform call is shown to the host before it is carried out, with its arguments. A host
// may answer with a failure code, which the call then returns; zero lets the call go ahead.
int32_t HostVetCall(const char* call, uintptr_t arg0 = 0, uintptr_t arg1 = 0, uintptr_t arg2 = 0,
                    uintptr_t arg3 = 0);

// Display
int HostOpenDisplay();                           // 1 when a screen can be had
void HostCloseDisplay();
void HostDesktopSize(int* width, int* height);   // the size before any mode change
int HostSetDisplayMode(int width, int height);   // 1 when the screen now has that size
int HostSurfacePitch(int width);                 // bytes per row for a surface of that width
void HostShowScreen(const HostScreen* screen);   // what is on the screen changed (null: nothing)
void HostWaitForVerticalBlank();                 // returns as the next refresh begins
unsigned HostScreenLosses();                     // grows each time the screen's contents are lost
int HostCanRestoreScreen();                      // 1 when lost surfaces can be restored now

// Input
int HostPollInput(HostInput* input);  // 1 and an input when one is waiting, else 0 at once
void HostWaitInput();                 // blocks until an input is waiting

// Cursor and dialogs
void HostShowCursor(int visible);
void HostMessageBox(const char* text, const char* caption);
