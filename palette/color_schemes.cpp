#include "palette/color_schemes.h"

#include "palette/random_colors.h"

const int32_t schemeCount = 4;

namespace {

// Five ramps of 51 steps from magenta through blue, cyan, green and yellow to red. Nothing leads
// from red back to magenta, so the wheel jumps there; entry 101 is one step brighter in green than
// its ramp, a quirk the display has always had.
constexpr std::array<ColorTriple, 256> MakeHueWheel() {
    std::array<ColorTriple, 256> wheel{};
    for (int i = 0; i < 256; ++i) {
        if (i <= 51)
            wheel[i] = {255 - 5 * i, 0, 255};
        else if (i <= 102)
            wheel[i] = {0, 5 * (i - 51), 255};
        else if (i <= 153)
            wheel[i] = {0, 255, 255 - 5 * (i - 102)};
        else if (i <= 204)
            wheel[i] = {5 * (i - 153), 255, 0};
        else
            wheel[i] = {255, 255 - 5 * (i - 204), 0};
    }
    wheel[101].green = 251;
    return wheel;
}

int32_t Blend(int32_t first, int32_t second, int32_t c) { return (c * second + (255 - c) * first) / 255; }

}  // namespace

constinit const std::array<ColorTriple, 256> hueWheel = MakeHueWheel();

ColorTriple gradientTable[256];

void BuildGradient() {
    ColorTriple first = MakeRandomColor();
    ColorTriple second = MakeRandomColor();
    FillGradient(first, second);
}

void FillGradient(ColorTriple first, ColorTriple second) {
    for (int32_t c = 0; c < 256; ++c) {
        gradientTable[c].red = Blend(first.red, second.red, c);
        gradientTable[c].green = Blend(first.green, second.green, c);
        gradientTable[c].blue = Blend(first.blue, second.blue, c);
    }
}
