// The palette animator: one call is one frame of colour.
#pragma once

#include <cstdint>

#include "display/ddraw.h"

extern int32_t frameCounter;
extern int32_t schemeIndex;
extern PALETTEENTRY workingPalette[256];

void StepPalette();
