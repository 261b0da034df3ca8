#include "host/sdl/frame_pacer.h"

#include <gtest/gtest.h>

namespace {

const int64_t ms = 1000000;

struct VsyncCase {
    const char* name;
    double refreshRate;
    int64_t presentEvery;  // how long each present takes to return
    bool vsyncKept;
};

TEST(FramePacer, VsyncIsKeptOnlyWhenItPacesAtTheRefresh) {
    const VsyncCase cases[] = {
        {"60 Hz display paced at 60 Hz", 60, 16666667, true},
        {"59.94 Hz display", 59.94, 16683350, true},
        {"144 Hz display", 144, 6944444, true},
        {"paced at 62.5 Hz on a 60 Hz display", 60, 16 * ms, false},
        {"refresh unknown, paced at 62.5 Hz", 0, 16 * ms, false},
        {"presents that do not wait at all", 60, 0, false},
        {"presents at half the refresh", 60, 33333333, false},
    };
    for (const VsyncCase& c : cases) {
        SCOPED_TRACE(c.name);
        FramePacer pacer;
        int64_t now = 1000 * ms;
        StartPacing(pacer, c.refreshRate, true, now);
        for (int frame = 0; frame < 100; ++frame) {
            now += c.presentEvery;
            int64_t sleepUntil = AfterVsyncPresent(pacer, now);
            if (sleepUntil != 0) now = sleepUntil;
            if (!pacer.vsync) break;
        }
        EXPECT_EQ(pacer.vsync, c.vsyncKept);
    }
}

TEST(FramePacer, PresentsThatDoNotWaitAreSpacedByTheClockWhileMeasuring) {
    FramePacer pacer;
    int64_t now = 0;
    StartPacing(pacer, 60, true, now);
    for (int frame = 1; frame <= 10; ++frame) {
        int64_t sleepUntil = AfterVsyncPresent(pacer, now);
        ASSERT_EQ(sleepUntil, frame * pacer.period) << "frame " << frame;
        now = sleepUntil;
    }
}

TEST(FramePacer, UnknownRefreshIsSixtyHertz) {
    FramePacer pacer;
    StartPacing(pacer, 0, false, 0);
    EXPECT_EQ(pacer.period, 16666667);
    EXPECT_FALSE(pacer.vsync);
}

TEST(FramePacer, ClockDeadlinesDoNotDrift) {
    FramePacer pacer;
    StartPacing(pacer, 60, false, 0);
    int64_t now = 0;
    for (int frame = 1; frame <= 600; ++frame) {
        // Each frame wakes a little late and works a little; the deadlines stay on the grid.
        int64_t deadline = NextDeadline(pacer, now);
        ASSERT_EQ(deadline, frame * pacer.period);
        now = deadline + 2 * ms;
    }
}

TEST(FramePacer, ALateFrameStartsANewSeriesInsteadOfABurst) {
    FramePacer pacer;
    StartPacing(pacer, 60, false, 0);
    int64_t stalled = 500 * ms;
    EXPECT_EQ(NextDeadline(pacer, stalled), stalled);
    EXPECT_EQ(NextDeadline(pacer, stalled + ms), stalled + pacer.period);
}

}  // namespace
