#include "host/sdl/palette_conversion.h"

namespace {

// A plain unrolled loop: measured faster here than AVX2 gathers or paired 64-bit stores.
void ConvertRow(const uint8_t* in, int width, const uint32_t* table, uint32_t* out) {
    int x = 0;
    for (; x + 4 <= width; x += 4) {
        out[x] = table[in[x]];
        out[x + 1] = table[in[x + 1]];
        out[x + 2] = table[in[x + 2]];
        out[x + 3] = table[in[x + 3]];
    }
    for (; x < width; ++x) out[x] = table[in[x]];
}

}  // namespace

void BuildColourTable(const uint8_t* palette, uint32_t* table) {
    for (int i = 0; i < 256; ++i) {
        const uint8_t* entry = palette + 4 * i;
        table[i] = 0xFF000000u | static_cast<uint32_t>(entry[0]) << 16 | static_cast<uint32_t>(entry[1]) << 8 |
                   entry[2];
    }
}

void ConvertIndices(const uint8_t* indices, int indexPitch, int width, int height, const uint32_t* table,
                    uint32_t* out, int outPitch) {
    for (int y = 0; y < height; ++y) {
        ConvertRow(indices + static_cast<long>(y) * indexPitch, width, table,
                   reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(out) + static_cast<long>(y) * outPitch));
    }
}
