// The cursor: a display counter (shown while it is 0 or more) and a shape (none after SetCursor(NULL)).
#include "host/host.h"
#include "shell/win32/process_state.h"
#include "shell/win32/win32_api.h"

namespace {

int displayCounter = 0;
HCURSOR shape = nullptr;

void TellHost() { HostShowCursor(displayCounter >= 0 && shape != nullptr); }

}  // namespace

void Win32ResetCursor() {
    displayCounter = 0;
    shape = nullptr;
}

int WINAPI ShowCursor(BOOL show) {
    displayCounter += show ? 1 : -1;
    TellHost();
    return displayCounter;
}

HCURSOR WINAPI SetCursor(HCURSOR cursor) {
    HCURSOR previous = shape;
    shape = cursor;
    TellHost();
    return previous;
}
