// Palettes: 256 entries that, once attached to the primary surface, colour the whole screen.
#include <algorithm>

#include "display/ddraw/ddraw_internal.h"
#include "host/host.h"

HRESULT IDirectDrawPalette::SetEntries(DWORD flags, DWORD first, DWORD count, LPPALETTEENTRY newEntries) {
    if (HRESULT refused = HostVetCall("SetEntries", flags, first, count, reinterpret_cast<uintptr_t>(newEntries)))
        return refused;
    if (owner == nullptr) return DDERR_INVALIDOBJECT;
    if (flags != 0 || newEntries == nullptr || first > 256 || count > 256 - first) return DDERR_INVALIDPARAMS;
    std::copy(newEntries, newEntries + count, entries + first);
    IDirectDrawSurface* primary = DirectDrawPrimary(owner);
    if (primary != nullptr && primary->palette == this) DirectDrawShowScreen(primary);
    return DD_OK;
}

ULONG IDirectDrawPalette::AddRef() { return ++references; }

ULONG IDirectDrawPalette::Release() {
    HostVetCall("Release", reinterpret_cast<uintptr_t>(this));
    return DropReference();
}

ULONG IDirectDrawPalette::DropReference() {
    if (--references > 0) return references;
    if (owner != nullptr) DirectDrawForgetPalette(owner, this);
    delete this;
    DirectDrawObjectGone();
    return 0;
}
