#include "display/presenting.h"

#include "display/display_objects.h"
#include "picture/picture_loader.h"
#include "shell/main_window.h"

void PresentPicture() {
    if (primarySurface == NULL || pictureSurface == NULL) return;
    RECT source = {0, 0, 640, 480};
    // The window's client area in screen coordinates; it covers the screen once the mode is set.
    RECT destination;
    GetClientRect(mainWindow, &destination);
    POINT origin = {0, 0};
    ClientToScreen(mainWindow, &origin);
    OffsetRect(&destination, origin.x, origin.y);

    for (;;) {
        HRESULT result = primarySurface->Blt(&destination, pictureSurface, &source, 0, NULL);
        if (result == DDERR_SURFACELOST) {
            if (RestoreSurfaces() != 1) return;
        } else if (result != DDERR_WASSTILLDRAWING) {
            // Done, or refused for good: the next cursor notification tries again.
            return;
        }
    }
}

int RestoreSurfaces() {
    int restored = primarySurface->Restore() == DD_OK && pictureSurface->Restore() == DD_OK;
    // The picture goes back into its surface whatever happened; the palette is attached again.
    LoadPicture();
    return restored;
}
