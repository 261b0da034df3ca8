#include "picture/picture_loader.h"

#include <cstring>

#include "display/display_objects.h"

namespace {

const int pictureWidth = 640;
const int pictureHeight = 480;
// The resource is a bitmap without its file header: a 40-byte header, 256 colours of blue, green,
// red and a spare byte, then the rows from the bottom of the picture up.
const int colourTableOffset = 40;
const int pixelsOffset = 1064;

void ReadColourTable(const BYTE* resource, PALETTEENTRY* entries) {
    for (int i = 0; i < 256; ++i) {
        const BYTE* quad = resource + colourTableOffset + 4 * i;
        entries[i].peRed = quad[2];
        entries[i].peGreen = quad[1];
        entries[i].peBlue = quad[0];
        entries[i].peFlags = 0;
    }
}

}  // namespace

int LoadPicture() {
    HRSRC found = FindResourceA(NULL, "temp_bmp", RT_BITMAP);
    if (found == NULL) return 0;
    const BYTE* resource = static_cast<const BYTE*>(LockResource(LoadResource(NULL, found)));
    if (resource == NULL) return 0;

    // A palette made once keeps the animation's colours when the picture is loaded again.
    if (displayPalette == NULL) {
        PALETTEENTRY entries[256];
        ReadColourTable(resource, entries);
        if (directDraw->CreatePalette(DDPCAPS_8BIT, entries, &displayPalette, NULL) != DD_OK) return 0;
    }
    primarySurface->SetPalette(displayPalette);

    DDSURFACEDESC desc;
    std::memset(&desc, 0, sizeof desc);
    desc.dwSize = sizeof desc;
    if (pictureSurface->Lock(NULL, &desc, 0, NULL) != DD_OK) return 0;
    BYTE* surface = static_cast<BYTE*>(desc.lpSurface);
    for (int y = 0; y < pictureHeight; ++y) {
        const BYTE* storedRow = resource + pixelsOffset + pictureWidth * (pictureHeight - 1 - y);
        std::memcpy(surface + y * desc.lPitch, storedRow, pictureWidth);
    }
    pictureSurface->Unlock(NULL);
    return 1;
}
