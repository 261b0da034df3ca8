// The cost of turning the 640 x 480 screen's indices into the colours a texture takes, once a frame
// while the palette turns: the colour table from the palette, then every pixel looked up.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "host/sdl/palette_conversion.h"

namespace {

void BM_ConvertScreen(benchmark::State& state) {
    std::vector<uint8_t> indices(640 * 480);
    for (size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<uint8_t>(i * 7 + i / 640);
    std::vector<uint32_t> texture(640 * 480);
    uint8_t palette[256 * 4];
    for (int i = 0; i < 256 * 4; ++i) palette[i] = static_cast<uint8_t>(i);
    uint32_t colours[256];
    for (auto _ : state) {
        ++palette[0];  // a new palette every frame, as the animation makes
        BuildColourTable(palette, colours);
        ConvertIndices(indices.data(), 640, 640, 480, colours, texture.data(), 640 * 4);
        benchmark::DoNotOptimize(texture.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 640 * 480 * 5);
}

BENCHMARK(BM_ConvertScreen);

}  // namespace
