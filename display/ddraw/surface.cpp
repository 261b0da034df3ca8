// Surfaces: 8-bit pixels with a pitch, copied by the blitter, locked for direct access, lost with
// the screen and restored afterwards.
#include <cstring>

#include "display/ddraw/ddraw_internal.h"
#include "host/host.h"

namespace {

bool IsLostNow(const IDirectDrawSurface* surface) { return surface->lossGeneration != HostScreenLosses(); }

// The whole surface when no rectangle is given; false when the rectangle is empty or reaches outside.
bool ResolveRect(const IDirectDrawSurface* surface, const RECT* given, RECT* rect) {
    *rect = given != nullptr ? *given : RECT{0, 0, surface->width, surface->height};
    return rect->left >= 0 && rect->top >= 0 && rect->left < rect->right && rect->top < rect->bottom &&
           rect->right <= surface->width && rect->bottom <= surface->height;
}

void CopyPixels(IDirectDrawSurface* dest, const RECT& to, const IDirectDrawSurface* source, const RECT& from) {
    LONG toWidth = to.right - to.left, toHeight = to.bottom - to.top;
    LONG fromWidth = from.right - from.left, fromHeight = from.bottom - from.top;
    for (LONG y = 0; y < toHeight; ++y) {
        LONG sourceY = from.top + static_cast<LONG>(static_cast<int64_t>(y) * fromHeight / toHeight);
        const BYTE* in = source->pixels.data() + static_cast<size_t>(sourceY) * source->pitch + from.left;
        BYTE* out = dest->pixels.data() + static_cast<size_t>(to.top + y) * dest->pitch + to.left;
        if (toWidth == fromWidth) {
            std::memmove(out, in, static_cast<size_t>(toWidth));
            continue;
        }
        // A stretched copy takes the nearest source pixel.
        for (LONG x = 0; x < toWidth; ++x) out[x] = in[static_cast<int64_t>(x) * fromWidth / toWidth];
    }
}

}  // namespace

HRESULT IDirectDrawSurface::Blt(LPRECT destRect, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD flags,
                                LPDDBLTFX effects) {
    if (HRESULT refused = HostVetCall("Blt", reinterpret_cast<uintptr_t>(destRect),
                                      reinterpret_cast<uintptr_t>(source), reinterpret_cast<uintptr_t>(sourceRect),
                                      flags))
        return refused;
    (void)effects;
    if (owner == nullptr || (source != nullptr && source->owner == nullptr)) return DDERR_INVALIDOBJECT;
    // Only plain copies between surfaces are needed here.
    if (source == nullptr || flags != 0) return DDERR_INVALIDPARAMS;
    if (IsLostNow(this) || IsLostNow(source)) return DDERR_SURFACELOST;
    if (locked || source->locked) return DDERR_SURFACEBUSY;
    RECT to, from;
    if (!ResolveRect(this, destRect, &to) || !ResolveRect(source, sourceRect, &from)) return DDERR_INVALIDRECT;
    CopyPixels(this, to, source, from);
    if (primary) DirectDrawShowScreen(this);
    return DD_OK;
}

HRESULT IDirectDrawSurface::Lock(LPRECT rect, LPDDSURFACEDESC desc, DWORD flags, HANDLE event) {
    if (HRESULT refused = HostVetCall("Lock", reinterpret_cast<uintptr_t>(rect), reinterpret_cast<uintptr_t>(desc),
                                      flags, reinterpret_cast<uintptr_t>(event)))
        return refused;
    if (owner == nullptr) return DDERR_INVALIDOBJECT;
    if (desc == nullptr || desc->dwSize != sizeof(DDSURFACEDESC)) return DDERR_INVALIDPARAMS;
    // Locking part of a surface is not needed here.
    if (rect != nullptr) return DDERR_UNSUPPORTED;
    if (IsLostNow(this)) return DDERR_SURFACELOST;
    if (locked) return DDERR_SURFACEBUSY;
    locked = true;
    ticket = DirectDrawIssueTicket(this);
    DWORD size = desc->dwSize;
    std::memset(desc, 0, sizeof *desc);
    desc->dwSize = size;
    desc->dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PITCH | DDSD_PIXELFORMAT;
    desc->dwWidth = static_cast<DWORD>(width);
    desc->dwHeight = static_cast<DWORD>(height);
    desc->lPitch = pitch;
    desc->lpSurface.ticket = ticket;
    desc->ddpfPixelFormat.dwSize = sizeof(DDPIXELFORMAT);
    desc->ddpfPixelFormat.dwFlags = DDPF_PALETTEINDEXED8;
    desc->ddpfPixelFormat.dwRGBBitCount = 8;
    desc->ddsCaps.dwCaps = primary ? DDSCAPS_PRIMARYSURFACE : DDSCAPS_OFFSCREENPLAIN;
    return DD_OK;
}

HRESULT IDirectDrawSurface::Unlock(LPVOID surfaceData) {
    if (HRESULT refused = HostVetCall("Unlock", reinterpret_cast<uintptr_t>(surfaceData))) return refused;
    if (owner == nullptr) return DDERR_INVALIDOBJECT;
    if (!locked) return DDERR_NOTLOCKED;
    locked = false;
    DirectDrawWithdrawTicket(ticket);
    ticket = 0;
    if (primary) DirectDrawShowScreen(this);
    return DD_OK;
}

HRESULT IDirectDrawSurface::IsLost() {
    if (owner == nullptr) return DDERR_INVALIDOBJECT;
    return IsLostNow(this) ? DDERR_SURFACELOST : DD_OK;
}

HRESULT IDirectDrawSurface::Restore() {
    if (HRESULT refused = HostVetCall("Restore", reinterpret_cast<uintptr_t>(this))) return refused;
    if (owner == nullptr) return DDERR_INVALIDOBJECT;
    if (!IsLostNow(this)) return DD_OK;
    if (!HostCanRestoreScreen()) return DDERR_WRONGMODE;
    // The memory comes back, its contents do not: the program refills it.
    std::memset(pixels.data(), 0, pixels.size());
    lossGeneration = HostScreenLosses();
    if (primary) DirectDrawShowScreen(this);
    return DD_OK;
}

HRESULT IDirectDrawSurface::SetPalette(LPDIRECTDRAWPALETTE newPalette) {
    if (HRESULT refused = HostVetCall("SetPalette", reinterpret_cast<uintptr_t>(newPalette))) return refused;
    if (owner == nullptr || (newPalette != nullptr && newPalette->owner == nullptr)) return DDERR_INVALIDOBJECT;
    if (newPalette != nullptr) newPalette->AddRef();
    if (palette != nullptr) palette->DropReference();
    palette = newPalette;
    if (primary) DirectDrawShowScreen(this);
    return DD_OK;
}

ULONG IDirectDrawSurface::AddRef() { return ++references; }

ULONG IDirectDrawSurface::Release() {
    HostVetCall("Release", reinterpret_cast<uintptr_t>(this));
    if (--references > 0) return references;
    if (locked) DirectDrawWithdrawTicket(ticket);
    if (owner != nullptr) {
        if (primary) HostShowScreen(nullptr);
        DirectDrawForgetSurface(owner, this);
    }
    if (palette != nullptr) palette->DropReference();
    delete this;
    DirectDrawObjectGone();
    return 0;
}
