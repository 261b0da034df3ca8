#include "host/sdl/palette_conversion.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PaletteConversion, ColourTableIsOpaqueRedGreenBlue) {
    uint8_t palette[256 * 4] = {};
    palette[4 * 7 + 0] = 0x12;
    palette[4 * 7 + 1] = 0x34;
    palette[4 * 7 + 2] = 0x56;
    palette[4 * 7 + 3] = 0x99;  // flags never show
    uint32_t table[256];
    BuildColourTable(palette, table);
    EXPECT_EQ(table[7], 0xFF123456u);
    EXPECT_EQ(table[0], 0xFF000000u);
}

TEST(PaletteConversion, EveryPixelIsLookedUpAndPitchesAreRespected) {
    // Widths that do and do not fill the unrolled loop, with padded rows on both sides.
    for (int width : {1, 3, 4, 7, 640}) {
        const int height = 3, inPitch = width + 5, outPitch = 4 * width + 12;
        std::vector<uint8_t> in(static_cast<size_t>(inPitch) * height);
        for (size_t i = 0; i < in.size(); ++i) in[i] = static_cast<uint8_t>(i * 37 + 11);
        uint32_t table[256];
        for (uint32_t i = 0; i < 256; ++i) table[i] = 0xFF000000u | i * 0x010203u;
        std::vector<uint8_t> out(static_cast<size_t>(outPitch) * height, 0xEE);

        ConvertIndices(in.data(), inPitch, width, height, table, reinterpret_cast<uint32_t*>(out.data()), outPitch);

        for (int y = 0; y < height; ++y) {
            const uint32_t* row = reinterpret_cast<const uint32_t*>(out.data() + y * outPitch);
            for (int x = 0; x < width; ++x) ASSERT_EQ(row[x], table[in[y * inPitch + x]]) << width << ": " << x << "," << y;
            for (int b = 4 * width; b < outPitch; ++b) ASSERT_EQ(out[y * outPitch + b], 0xEE) << "padding written";
        }
    }
}

}  // namespace
