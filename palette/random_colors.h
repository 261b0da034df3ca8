// The random source that picks the colours of the gradient schemes: one global sequence.
#pragma once

#include <cstdint>

#include "palette/color_triple.h"

extern uint32_t randomSeed;

void SeedRandom(uint32_t seed);
int NextRandom();
ColorTriple MakeRandomColor();
