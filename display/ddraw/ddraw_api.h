// Our stand-in for the first-version DirectDraw interfaces, for hosts that are not Windows.
// The objects are small structs with the platform's method names and results; whatever they show
// goes to the host that the program was linked with.
#pragma once

#include <cstdint>
#include <vector>

#include "shell/win32/win32_types.h"

#define DD_OK ((HRESULT)0)
#define LUMIVANE_DDHRESULT(code) ((HRESULT)(0x88760000u + (code)))
#define DDERR_INVALIDMODE LUMIVANE_DDHRESULT(80)
#define DDERR_INVALIDOBJECT LUMIVANE_DDHRESULT(130)
#define DDERR_INVALIDRECT LUMIVANE_DDHRESULT(150)
#define DDERR_NOCOOPERATIVELEVELSET LUMIVANE_DDHRESULT(212)
#define DDERR_SURFACEBUSY LUMIVANE_DDHRESULT(430)
#define DDERR_SURFACELOST LUMIVANE_DDHRESULT(450)
#define DDERR_WASSTILLDRAWING LUMIVANE_DDHRESULT(540)
#define DDERR_PRIMARYSURFACEALREADYEXISTS LUMIVANE_DDHRESULT(564)
#define DDERR_NODIRECTDRAWHW LUMIVANE_DDHRESULT(565)
#define DDERR_NOTLOCKED LUMIVANE_DDHRESULT(584)
#define DDERR_WRONGMODE LUMIVANE_DDHRESULT(587)
#define DDERR_UNSUPPORTED ((HRESULT)0x80004001u)
#define DDERR_GENERIC ((HRESULT)0x80004005u)
#define DDERR_OUTOFMEMORY ((HRESULT)0x8007000Eu)
#define DDERR_INVALIDPARAMS ((HRESULT)0x80070057u)
#define CLASS_E_NOAGGREGATION ((HRESULT)0x80040110u)

#define DDSCL_FULLSCREEN 0x00000001u
#define DDSCL_NORMAL 0x00000008u
#define DDSCL_EXCLUSIVE 0x00000010u

#define DDSD_CAPS 0x00000001u
#define DDSD_HEIGHT 0x00000002u
#define DDSD_WIDTH 0x00000004u
#define DDSD_PITCH 0x00000008u
#define DDSD_PIXELFORMAT 0x00001000u

#define DDSCAPS_OFFSCREENPLAIN 0x00000040u
#define DDSCAPS_PRIMARYSURFACE 0x00000200u

#define DDPCAPS_4BIT 0x00000001u
#define DDPCAPS_8BIT 0x00000004u
#define DDPCAPS_ALLOW256 0x00000040u

#define DDPF_PALETTEINDEXED8 0x00000020u

#define DDWAITVB_BLOCKBEGIN 0x00000001u
#define DDWAITVB_BLOCKBEGINEVENT 0x00000002u
#define DDWAITVB_BLOCKEND 0x00000004u

struct IUnknown;
struct IDirectDraw;
struct IDirectDrawSurface;
struct IDirectDrawPalette;
typedef struct GUID GUID;
typedef IDirectDraw* LPDIRECTDRAW;
typedef IDirectDrawSurface* LPDIRECTDRAWSURFACE;
typedef IDirectDrawPalette* LPDIRECTDRAWPALETTE;
typedef struct _DDBLTFX* LPDDBLTFX;

typedef struct _DDCOLORKEY {
    DWORD dwColorSpaceLowValue;
    DWORD dwColorSpaceHighValue;
} DDCOLORKEY;

typedef struct _DDSCAPS {
    DWORD dwCaps;
} DDSCAPS;

typedef struct _DDPIXELFORMAT {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwFourCC;
    DWORD dwRGBBitCount;
    DWORD dwRBitMask;
    DWORD dwGBitMask;
    DWORD dwBBitMask;
    DWORD dwRGBAlphaBitMask;
} DDPIXELFORMAT;

// Looks up the address behind a lock ticket; null once the surface is gone or unlocked.
void* DirectDrawSurfaceAddress(DWORD ticket);

// On 32-bit Windows lpSurface is a 4-byte pointer and the description 108 bytes. A 64-bit address
// does not fit there, so the stand-in keeps a 32-bit ticket that turns into the address when read.
struct DDSURFACEADDRESS {
    DWORD ticket;
    template <class T>
    operator T*() const {
        return static_cast<T*>(DirectDrawSurfaceAddress(ticket));
    }
};

typedef struct _DDSURFACEDESC {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwHeight;
    DWORD dwWidth;
    union {
        LONG lPitch;
        DWORD dwLinearSize;
    };
    DWORD dwBackBufferCount;
    union {
        DWORD dwMipMapCount;
        DWORD dwRefreshRate;
    };
    DWORD dwAlphaBitDepth;
    DWORD dwReserved;
    DDSURFACEADDRESS lpSurface;
    DDCOLORKEY ddckCKDestOverlay;
    DDCOLORKEY ddckCKDestBlt;
    DDCOLORKEY ddckCKSrcOverlay;
    DDCOLORKEY ddckCKSrcBlt;
    DDPIXELFORMAT ddpfPixelFormat;
    DDSCAPS ddsCaps;
} DDSURFACEDESC, *LPDDSURFACEDESC;
static_assert(sizeof(DDSURFACEDESC) == 108, "DDSURFACEDESC keeps its 32-bit Windows size");

struct IDirectDrawPalette {
    HRESULT SetEntries(DWORD flags, DWORD first, DWORD count, LPPALETTEENTRY entries);
    HRESULT GetEntries(DWORD flags, DWORD first, DWORD count, LPPALETTEENTRY entries);
    ULONG AddRef();
    ULONG Release();

    // Stand-in state.
    ULONG DropReference();  // a release by the stand-in itself, not by the program
    IDirectDraw* owner = nullptr;
    ULONG references = 1;
    PALETTEENTRY entries[256] = {};
};

struct IDirectDrawSurface {
    HRESULT Blt(LPRECT destRect, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD flags, LPDDBLTFX effects);
    HRESULT Lock(LPRECT rect, LPDDSURFACEDESC desc, DWORD flags, HANDLE event);
    HRESULT Unlock(LPVOID surfaceData);
    HRESULT Restore();
    HRESULT IsLost();
    HRESULT SetPalette(LPDIRECTDRAWPALETTE palette);
    ULONG AddRef();
    ULONG Release();

    // Stand-in state.
    IDirectDraw* owner = nullptr;
    ULONG references = 1;
    bool primary = false;
    bool locked = false;
    DWORD ticket = 0;
    unsigned lossGeneration = 0;
    int width = 0;
    int height = 0;
    LONG pitch = 0;
    std::vector<BYTE> pixels;
    IDirectDrawPalette* palette = nullptr;
};

struct IDirectDraw {
    HRESULT SetCooperativeLevel(HWND window, DWORD flags);
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitsPerPixel);
    HRESULT CreateSurface(LPDDSURFACEDESC desc, LPDIRECTDRAWSURFACE* surface, IUnknown* outer);
    HRESULT CreatePalette(DWORD flags, LPPALETTEENTRY entries, LPDIRECTDRAWPALETTE* palette, IUnknown* outer);
    HRESULT WaitForVerticalBlank(DWORD flags, HANDLE event);
    ULONG AddRef();
    ULONG Release();

    // Stand-in state.
    ULONG references = 1;
    HWND cooperativeWindow = nullptr;
    DWORD cooperativeFlags = 0;
    int modeWidth = 0;
    int modeHeight = 0;
    std::vector<IDirectDrawSurface*> surfaces;
    std::vector<IDirectDrawPalette*> palettes;
};

HRESULT WINAPI DirectDrawCreate(GUID* driver, LPDIRECTDRAW* directDraw, IUnknown* outer);

// How many DirectDraw objects exist right now: every run and every test ends with none.
int DirectDrawLiveObjects();
