// The display objects and the flag that says the display is set up.
#pragma once

#include <cstdint>

#include "display/ddraw.h"

extern LPDIRECTDRAW directDraw;
extern LPDIRECTDRAWSURFACE primarySurface;
extern LPDIRECTDRAWSURFACE pictureSurface;
extern LPDIRECTDRAWPALETTE displayPalette;
extern int32_t displayReady;
