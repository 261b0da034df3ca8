#include "display/display_setup.h"

#include <cstring>

#include "display/display_objects.h"

namespace {

const DWORD screenWidth = 640;
const DWORD screenHeight = 480;
const DWORD screenBitsPerPixel = 8;

// Releases one object and forgets it at once, so nothing is released twice.
template <class Object>
void ReleaseObject(Object*& object) {
    if (object == NULL) return;
    object->Release();
    object = NULL;
}

HRESULT CreatePrimarySurface() {
    DDSURFACEDESC desc;
    std::memset(&desc, 0, sizeof desc);
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    return directDraw->CreateSurface(&desc, &primarySurface, NULL);
}

void CreatePictureSurface() {
    DDSURFACEDESC desc;
    std::memset(&desc, 0, sizeof desc);
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    desc.dwWidth = screenWidth;
    desc.dwHeight = screenHeight;
    directDraw->CreateSurface(&desc, &pictureSurface, NULL);
}

}  // namespace

int InitDisplay(HWND window) {
    if (DirectDrawCreate(NULL, &directDraw, NULL) != DD_OK) return ReportInitFailure(window);
    directDraw->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
    if (directDraw->SetDisplayMode(screenWidth, screenHeight, screenBitsPerPixel) != DD_OK)
        return ReportInitFailure(window);
    if (CreatePrimarySurface() != DD_OK) return ReportInitFailure(window);
    CreatePictureSurface();
    if (pictureSurface == NULL) return ReportInitFailure(window);
    displayReady = 1;
    return 1;
}

int ReportInitFailure(HWND window) {
    ReleaseDisplay();
    MessageBoxA(window, "DirectDraw Init FAILED", "Lumivane", MB_OK);
    DestroyWindow(window);
    return 0;
}

void ReleaseDisplay() {
    if (directDraw == NULL) return;
    ReleaseObject(primarySurface);
    ReleaseObject(pictureSurface);
    ReleaseObject(displayPalette);
    ReleaseObject(directDraw);
}
