#include "display/display_objects.h"

LPDIRECTDRAW directDraw = NULL;
LPDIRECTDRAWSURFACE primarySurface = NULL;
LPDIRECTDRAWSURFACE pictureSurface = NULL;
LPDIRECTDRAWPALETTE displayPalette = NULL;
int32_t displayReady = 0;
