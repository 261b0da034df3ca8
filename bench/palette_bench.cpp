// The cost of one palette frame's computation: the headless host's refresh wait returns at once,
// so what is measured is the scheme step, the 256 entries and the upload into the palette.
#include <benchmark/benchmark.h>

#include "display/display_objects.h"
#include "display/display_setup.h"
#include "host/headless/headless_host.h"
#include "palette/palette_animator.h"
#include "palette/random_colors.h"
#include "picture/picture_loader.h"
#include "shell/main_window.h"
#include "shell/win32/window_registry.h"

namespace {

void BM_StepPalette(benchmark::State& state, int32_t scheme) {
    headless::Reset();
    headless::RecordCalls(false);
    CreateMainWindow(Win32ModuleInstance(), SW_SHOWDEFAULT);
    InitDisplay(mainWindow);
    LoadPicture();
    SeedRandom(1);
    schemeIndex = scheme;
    frameCounter = 0;
    for (auto _ : state) {
        StepPalette();
        // Stay inside the scheme being measured.
        if (frameCounter == 4096) frameCounter = 0;
    }
    benchmark::DoNotOptimize(workingPalette);
    DestroyWindow(mainWindow);
}

BENCHMARK_CAPTURE(BM_StepPalette, blue_ramp, 0);
BENCHMARK_CAPTURE(BM_StepPalette, hue_wheel, 1);
BENCHMARK_CAPTURE(BM_StepPalette, gradient, 2);

}  // namespace
