// The headless host: an in-memory screen and a simulated refresh clock, driven by tests and by
// lumivane-capture. Input is scripted, faults are injected on command, and every platform call
// is logged in order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/host.h"

namespace headless {

struct CallRecord {
    const char* call;
    uintptr_t args[4];
};

struct Rgb {
    uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};

struct MessageBoxShown {
    std::string text;
    std::string caption;
};

// A fresh host: a 1280 x 720 desktop, a display that can be opened, no faults, no input, clock at 0.
void Reset();

// Faults. The next `times` calls named `call` answer `result` instead of going ahead.
void Fail(const char* call, int32_t result, int times = 1);
void RefuseDisplay(bool refuse);  // no screen can be had: DirectDrawCreate fails
void LoseScreen();                // the screen's contents are lost: surfaces must be restored
void SetRestorable(bool restorable);
void SetSurfacePitch(int pitch);  // bytes per surface row; 0 for exactly the width

// The log of platform calls, in order.
const std::vector<CallRecord>& Calls();
std::vector<std::string> CallNames();
void ClearCalls();
void RecordCalls(bool record);
// Runs before each platform call is carried out, after it is logged.
void OnCall(std::function<void(const CallRecord&)> observer);

// Input. Pushed input is waiting now; scheduled input once `refresh` vertical blanks have passed.
void PushInput(const HostInput& input);
void ScheduleInput(unsigned refresh, const HostInput& input);
HostInput Key(uint32_t virtualKey);
HostInput SysKey(uint32_t virtualKey, bool altDown);
HostInput Activate(bool active, bool minimized = false);
HostInput Pointer(int button = 0);
HostInput Close();
// How often the program waited for input when none was left: the first time it is sent a close
// request, the second time the wait throws, so a test never hangs.
int Starvations();

// The screen.
unsigned Refreshes();
bool DisplayOpen();
int ScreenWidth();
int ScreenHeight();
bool ScreenShown();
uint8_t ScreenIndex(int x, int y);
Rgb ScreenColor(uint8_t index);
Rgb ScreenPixel(int x, int y);
bool CursorVisible();
const std::vector<MessageBoxShown>& MessageBoxes();

}  // namespace headless
