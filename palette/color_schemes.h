// The sources of colour for the four schemes: the blue ramp needs no table, the hue wheel is fixed,
// and the two random gradients share one table rebuilt as each begins.
#pragma once

#include <array>
#include <cstdint>

#include "palette/color_triple.h"

extern const int32_t schemeCount;
extern const std::array<ColorTriple, 256> hueWheel;
extern ColorTriple gradientTable[256];

// Draws two random colours and fills the gradient table from the first to the second.
void BuildGradient();
// Entry c is (c * second + (255 - c) * first) / 255 in each channel, the division truncating.
void FillGradient(ColorTriple first, ColorTriple second);
