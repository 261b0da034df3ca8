// Pacing one palette frame per display refresh. The renderer's vsync is trusted only while it
// really paces at the display's refresh; otherwise a clock with absolute deadlines takes over.
#pragma once

#include <cstdint>

struct FramePacer {
    int64_t period = 0;  // nanoseconds per refresh
    bool vsync = false;  // presents wait for the refresh themselves
    int presents = 0;
    int64_t measuredTotal = 0;
    int64_t measuredPeriod = 0;  // what vsync was seen to pace at, once measured
    int64_t lastReturn = 0;
    int64_t deadline = 0;
};

// Starts pacing at a refresh rate (0 or less: unknown, taken as 60 Hz), by vsync if the renderer
// claims it.
void StartPacing(FramePacer& pacer, double refreshRate, bool vsyncClaimed, int64_t now);

// With vsync: call when a present has returned at `now`. Gives a time to sleep until, or 0, so that
// presents that do not wait never turn into a busy loop; drops vsync once it is seen not to pace at
// the refresh.
int64_t AfterVsyncPresent(FramePacer& pacer, int64_t now);

// Without vsync: the absolute time of the next refresh. Deadlines follow each other at exactly one
// period, so the pace does not drift; a frame that ran late starts a new series instead of a burst.
int64_t NextDeadline(FramePacer& pacer, int64_t now);
