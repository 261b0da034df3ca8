#include "host/sdl/frame_pacer.h"

#include <cstdlib>

namespace {

const int presentsIgnored = 5;   // the first presents after start-up are irregular
const int presentsMeasured = 30;
const int toleranceDivisor = 33;  // vsync must pace within 3% of the refresh

}  // namespace

void StartPacing(FramePacer& pacer, double refreshRate, bool vsyncClaimed, int64_t now) {
    if (refreshRate <= 0) refreshRate = 60;
    pacer = FramePacer();
    pacer.period = static_cast<int64_t>(1e9 / refreshRate + 0.5);
    pacer.vsync = vsyncClaimed;
    pacer.lastReturn = now;
    pacer.deadline = now;
}

int64_t AfterVsyncPresent(FramePacer& pacer, int64_t now) {
    ++pacer.presents;
    // What is measured is how long each present took since the last one returned, before any sleep
    // of ours: presents that do not wait measure as nothing, whatever pace the sleeps keep.
    if (pacer.presents > presentsIgnored) pacer.measuredTotal += now - pacer.lastReturn;
    if (pacer.presents == presentsIgnored + presentsMeasured) {
        pacer.measuredPeriod = pacer.measuredTotal / presentsMeasured;
        if (std::llabs(pacer.measuredPeriod - pacer.period) > pacer.period / toleranceDivisor) {
            pacer.vsync = false;
            pacer.deadline = now;
        }
    }
    int64_t sleepUntil = 0;
    if (now - pacer.lastReturn < pacer.period / 2) sleepUntil = pacer.lastReturn + pacer.period;
    pacer.lastReturn = sleepUntil != 0 ? sleepUntil : now;
    return sleepUntil;
}

int64_t NextDeadline(FramePacer& pacer, int64_t now) {
    pacer.deadline += pacer.period;
    if (pacer.deadline < now) pacer.deadline = now;
    return pacer.deadline;
}
