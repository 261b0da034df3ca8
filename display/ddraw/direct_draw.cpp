// The DirectDraw object: cooperative level, display mode, and the surfaces and palettes it makes.
#include <algorithm>

#include "display/ddraw/ddraw_internal.h"
#include "host/host.h"
#include "shell/win32/window_registry.h"

namespace {

int liveObjects = 0;

const int largestSurfaceSide = 8192;

bool ValidSide(DWORD side) { return side >= 1 && side <= static_cast<DWORD>(largestSurfaceSide); }

}  // namespace

void DirectDrawObjectMade() { ++liveObjects; }
void DirectDrawObjectGone() { --liveObjects; }
int DirectDrawLiveObjects() { return liveObjects; }

IDirectDrawSurface* DirectDrawPrimary(const IDirectDraw* directDraw) {
    for (IDirectDrawSurface* surface : directDraw->surfaces)
        if (surface->primary) return surface;
    return nullptr;
}

void DirectDrawForgetSurface(IDirectDraw* owner, IDirectDrawSurface* surface) {
    auto& list = owner->surfaces;
    list.erase(std::remove(list.begin(), list.end(), surface), list.end());
}

void DirectDrawForgetPalette(IDirectDraw* owner, IDirectDrawPalette* palette) {
    auto& list = owner->palettes;
    list.erase(std::remove(list.begin(), list.end(), palette), list.end());
}

HRESULT WINAPI DirectDrawCreate(GUID* driver, LPDIRECTDRAW* directDraw, IUnknown* outer) {
    if (directDraw == nullptr) return DDERR_INVALIDPARAMS;
    *directDraw = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    if (HRESULT refused = HostVetCall("DirectDrawCreate", reinterpret_cast<uintptr_t>(driver))) return refused;
    if (!HostOpenDisplay()) return DDERR_NODIRECTDRAWHW;
    *directDraw = new IDirectDraw;
    DirectDrawObjectMade();
    return DD_OK;
}

HRESULT IDirectDraw::SetCooperativeLevel(HWND window, DWORD flags) {
    if (HRESULT refused = HostVetCall("SetCooperativeLevel", reinterpret_cast<uintptr_t>(window), flags))
        return refused;
    bool fullScreen = (flags & DDSCL_FULLSCREEN) != 0;
    bool exclusive = (flags & DDSCL_EXCLUSIVE) != 0;
    if (fullScreen != exclusive) return DDERR_INVALIDPARAMS;
    if (exclusive && Win32FindWindow(window) == nullptr) return DDERR_INVALIDPARAMS;
    cooperativeWindow = window;
    cooperativeFlags = flags;
    return DD_OK;
}

HRESULT IDirectDraw::SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel) {
    if (HRESULT refused = HostVetCall("SetDisplayMode", width, height, bitsPerPixel)) return refused;
    // Only palette-indexed 8-bit modes exist here.
    if (bitsPerPixel != 8 || !ValidSide(width) || !ValidSide(height)) return DDERR_INVALIDMODE;
    if (!HostSetDisplayMode(static_cast<int>(width), static_cast<int>(height))) return DDERR_INVALIDMODE;
    modeWidth = static_cast<int>(width);
    modeHeight = static_cast<int>(height);
    // An exclusive full-screen window is made to cover the new mode, as the platform does.
    if ((cooperativeFlags & DDSCL_EXCLUSIVE) != 0)
        Win32PlaceWindow(cooperativeWindow, 0, 0, modeWidth, modeHeight);
    return DD_OK;
}

HRESULT IDirectDraw::CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE* surface, IUnknown* outer) {
    if (surface == nullptr) return DDERR_INVALIDPARAMS;
    *surface = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    if (desc == nullptr || desc->dwSize != sizeof(DDSURFACEDESC) || (desc->dwFlags & DDSD_CAPS) == 0)
        return DDERR_INVALIDPARAMS;
    if (HRESULT refused = HostVetCall("CreateSurface", desc->ddsCaps.dwCaps, desc->dwWidth, desc->dwHeight))
        return refused;
    if (cooperativeFlags == 0) return DDERR_NOCOOPERATIVELEVELSET;

    bool sized = (desc->dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != 0;
    int width = 0, height = 0;
    bool primary = false;
    if (desc->ddsCaps.dwCaps == DDSCAPS_PRIMARYSURFACE) {
        if (sized) return DDERR_INVALIDPARAMS;
        if (DirectDrawPrimary(this) != nullptr) return DDERR_PRIMARYSURFACEALREADYEXISTS;
        primary = true;
        if (modeWidth > 0) {
            width = modeWidth;
            height = modeHeight;
        } else {
            HostDesktopSize(&width, &height);
        }
    } else if (desc->ddsCaps.dwCaps == DDSCAPS_OFFSCREENPLAIN) {
        if ((desc->dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT)) return DDERR_INVALIDPARAMS;
        if (!ValidSide(desc->dwWidth) || !ValidSide(desc->dwHeight)) return DDERR_INVALIDPARAMS;
        width = static_cast<int>(desc->dwWidth);
        height = static_cast<int>(desc->dwHeight);
    } else {
        return DDERR_INVALIDPARAMS;
    }

    IDirectDrawSurface* made = new IDirectDrawSurface;
    made->owner = this;
    made->primary = primary;
    made->width = width;
    made->height = height;
    made->pitch = std::max(HostSurfacePitch(width), width);
    made->pixels.assign(static_cast<size_t>(made->pitch) * static_cast<size_t>(height), 0);
    made->lossGeneration = HostScreenLosses();
    surfaces.push_back(made);
    DirectDrawObjectMade();
    if (primary) DirectDrawShowScreen(made);
    *surface = made;
    return DD_OK;
}

HRESULT IDirectDraw::CreatePalette(DWORD flags, LPPALETTEENTRY entries, LPDIRECTDRAWPALETTE* palette,
                                   IUnknown* outer) {
    if (palette == nullptr) return DDERR_INVALIDPARAMS;
    *palette = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    if (HRESULT refused = HostVetCall("CreatePalette", flags, reinterpret_cast<uintptr_t>(entries)))
        return refused;
    // Only 256-entry palettes exist here.
    if ((flags & DDPCAPS_8BIT) == 0 || entries == nullptr) return DDERR_INVALIDPARAMS;
    IDirectDrawPalette* made = new IDirectDrawPalette;
    made->owner = this;
    std::copy(entries, entries + 256, made->entries);
    palettes.push_back(made);
    DirectDrawObjectMade();
    *palette = made;
    return DD_OK;
}

HRESULT IDirectDraw::WaitForVerticalBlank(DWORD flags, HANDLE event) {
    if (HRESULT refused = HostVetCall("WaitForVerticalBlank", flags, reinterpret_cast<uintptr_t>(event)))
        return refused;
    if (flags == DDWAITVB_BLOCKBEGINEVENT) return DDERR_UNSUPPORTED;
    if (flags != DDWAITVB_BLOCKBEGIN && flags != DDWAITVB_BLOCKEND) return DDERR_INVALIDPARAMS;
    HostWaitForVerticalBlank();
    return DD_OK;
}

ULONG IDirectDraw::AddRef() { return ++references; }

ULONG IDirectDraw::Release() {
    HostVetCall("Release", reinterpret_cast<uintptr_t>(this));
    if (--references > 0) return references;
    // What the program still holds outlives the object only as an empty shell, as on the platform.
    for (IDirectDrawSurface* surface : surfaces) surface->owner = nullptr;
    for (IDirectDrawPalette* palette : palettes) palette->owner = nullptr;
    if (DirectDrawPrimary(this) != nullptr) HostShowScreen(nullptr);
    HostCloseDisplay();
    delete this;
    DirectDrawObjectGone();
    return 0;
}
