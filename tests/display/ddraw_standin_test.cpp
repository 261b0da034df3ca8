// Our DirectDraw stand-in gives the results the program relies on, as the platform does.
#include <gtest/gtest.h>

#include <cstring>

#include "display/ddraw.h"
#include "shell/win32/window_registry.h"
#include "tests/support/program_fixture.h"

namespace {

class DirectDrawStandInTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.lpszClassName = "Plain";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "Plain", "", WS_POPUP, 0, 0, 1280, 720, NULL, NULL, NULL, NULL);
        ASSERT_EQ(DirectDrawCreate(NULL, &dd, NULL), DD_OK);
        ASSERT_EQ(dd->SetCooperativeLevel(window, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
        ASSERT_EQ(dd->SetDisplayMode(640, 480, 8), DD_OK);
    }

    void TearDown() override {
        if (offscreen) offscreen->Release();
        if (primary) primary->Release();
        if (dd) dd->Release();
        EXPECT_EQ(DirectDrawLiveObjects(), 0);
    }

    LPDIRECTDRAWSURFACE MakeOffscreen(DWORD width, DWORD height) {
        DDSURFACEDESC desc;
        std::memset(&desc, 0, sizeof desc);
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
        desc.dwWidth = width;
        desc.dwHeight = height;
        LPDIRECTDRAWSURFACE surface = nullptr;
        EXPECT_EQ(dd->CreateSurface(&desc, &surface, NULL), DD_OK);
        return surface;
    }

    void MakePrimary() {
        DDSURFACEDESC desc;
        std::memset(&desc, 0, sizeof desc);
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_CAPS;
        desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
        ASSERT_EQ(dd->CreateSurface(&desc, &primary, NULL), DD_OK);
    }

    HWND window = nullptr;
    LPDIRECTDRAW dd = nullptr;
    LPDIRECTDRAWSURFACE primary = nullptr;
    LPDIRECTDRAWSURFACE offscreen = nullptr;
};

TEST_F(DirectDrawStandInTest, NoScreenMeansNoDirectDraw) {
    headless::RefuseDisplay(true);
    LPDIRECTDRAW other = reinterpret_cast<LPDIRECTDRAW>(1);
    EXPECT_EQ(DirectDrawCreate(NULL, &other, NULL), DDERR_NODIRECTDRAWHW);
    EXPECT_EQ(other, nullptr);
}

TEST_F(DirectDrawStandInTest, ModeChangeResizesTheExclusiveWindow) {
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
    EXPECT_EQ(dd->SetDisplayMode(640, 480, 16), DDERR_INVALIDMODE) << "only 8-bit modes";
}

TEST_F(DirectDrawStandInTest, LockGivesTheAddressAndPitchUntilUnlock) {
    headless::SetSurfacePitch(768);
    offscreen = MakeOffscreen(640, 480);
    DDSURFACEDESC desc;
    std::memset(&desc, 0, sizeof desc);
    desc.dwSize = sizeof desc;
    ASSERT_EQ(offscreen->Lock(NULL, &desc, 0, NULL), DD_OK);
    EXPECT_EQ(desc.lPitch, 768);
    EXPECT_EQ(desc.dwWidth, 640u);
    BYTE* bits = static_cast<BYTE*>(desc.lpSurface);
    ASSERT_EQ(bits, offscreen->pixels.data());
    bits[768 + 5] = 42;
    EXPECT_EQ(offscreen->Lock(NULL, &desc, 0, NULL), DDERR_SURFACEBUSY);
    EXPECT_EQ(offscreen->Unlock(NULL), DD_OK);
    EXPECT_EQ(offscreen->pixels[768 + 5], 42);
    EXPECT_EQ(static_cast<BYTE*>(desc.lpSurface), nullptr) << "the address is gone with the lock";
    EXPECT_EQ(offscreen->Unlock(NULL), DDERR_NOTLOCKED);
    desc.dwSize = 100;
    EXPECT_EQ(offscreen->Lock(NULL, &desc, 0, NULL), DDERR_INVALIDPARAMS);
}

TEST_F(DirectDrawStandInTest, BltRefusesRectanglesOutsideItsSurfaces) {
    MakePrimary();
    offscreen = MakeOffscreen(640, 480);
    struct Case {
        RECT to, from;
    };
    const Case cases[] = {
        {{0, 0, 641, 480}, {0, 0, 640, 480}},  {{0, 0, 640, 480}, {0, 0, 640, 481}},
        {{-1, 0, 639, 480}, {0, 0, 640, 480}}, {{10, 10, 10, 20}, {0, 0, 640, 480}},
        {{0, 0, 1280, 720}, {0, 0, 640, 480}},
    };
    for (Case c : cases) EXPECT_EQ(primary->Blt(&c.to, offscreen, &c.from, 0, NULL), DDERR_INVALIDRECT);
    RECT whole = {0, 0, 640, 480};
    EXPECT_EQ(primary->Blt(&whole, offscreen, &whole, 0, NULL), DD_OK);
}

TEST_F(DirectDrawStandInTest, BltStretchesToTheDestination) {
    MakePrimary();
    offscreen = MakeOffscreen(2, 2);
    offscreen->pixels[0] = 1, offscreen->pixels[1] = 2;
    offscreen->pixels[offscreen->pitch] = 3, offscreen->pixels[offscreen->pitch + 1] = 4;
    RECT to = {10, 10, 14, 14};
    ASSERT_EQ(primary->Blt(&to, offscreen, NULL, 0, NULL), DD_OK);
    const BYTE expected[4][4] = {{1, 1, 2, 2}, {1, 1, 2, 2}, {3, 3, 4, 4}, {3, 3, 4, 4}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(headless::ScreenIndex(10 + x, 10 + y), expected[y][x]);
    EXPECT_EQ(headless::ScreenIndex(14, 10), 0);
}

TEST_F(DirectDrawStandInTest, LostSurfacesAnswerLostUntilRestored) {
    MakePrimary();
    offscreen = MakeOffscreen(640, 480);
    offscreen->pixels[7] = 9;
    headless::LoseScreen();
    EXPECT_EQ(primary->Blt(NULL, offscreen, NULL, 0, NULL), DDERR_SURFACELOST);
    DDSURFACEDESC desc;
    std::memset(&desc, 0, sizeof desc);
    desc.dwSize = sizeof desc;
    EXPECT_EQ(offscreen->Lock(NULL, &desc, 0, NULL), DDERR_SURFACELOST);

    headless::SetRestorable(false);
    EXPECT_EQ(primary->Restore(), DDERR_WRONGMODE);
    headless::SetRestorable(true);
    EXPECT_EQ(primary->Restore(), DD_OK);
    EXPECT_EQ(primary->Blt(NULL, offscreen, NULL, 0, NULL), DDERR_SURFACELOST) << "the source is lost too";
    EXPECT_EQ(offscreen->Restore(), DD_OK);
    EXPECT_EQ(offscreen->pixels[7], 0) << "restored memory has lost its contents";
    EXPECT_EQ(primary->Blt(NULL, offscreen, NULL, 0, NULL), DD_OK);
}

TEST_F(DirectDrawStandInTest, PaletteEntriesColourTheScreenOnceAttached) {
    MakePrimary();
    PALETTEENTRY entries[256] = {};
    entries[0] = {10, 20, 30, 0};
    LPDIRECTDRAWPALETTE palette = nullptr;
    ASSERT_EQ(dd->CreatePalette(DDPCAPS_8BIT, entries, &palette, NULL), DD_OK);
    EXPECT_EQ(headless::ScreenPixel(0, 0), (headless::Rgb{0, 0, 0})) << "no palette yet";
    ASSERT_EQ(primary->SetPalette(palette), DD_OK);
    EXPECT_EQ(headless::ScreenPixel(0, 0), (headless::Rgb{10, 20, 30}));
    PALETTEENTRY white = {255, 255, 255, 0};
    ASSERT_EQ(palette->SetEntries(0, 0, 1, &white), DD_OK);
    EXPECT_EQ(headless::ScreenPixel(0, 0), (headless::Rgb{255, 255, 255}));
    EXPECT_EQ(palette->SetEntries(0, 200, 57, entries), DDERR_INVALIDPARAMS);

    // The surface holds the palette: releasing the program's reference first is harmless.
    EXPECT_EQ(palette->Release(), 1u);
    PALETTEENTRY black = {0, 0, 0, 0};
    EXPECT_EQ(primary->palette->SetEntries(0, 0, 1, &black), DD_OK);
}

TEST_F(DirectDrawStandInTest, ReleasingTheObjectFirstLeavesEmptyShells) {
    MakePrimary();
    EXPECT_EQ(dd->Release(), 0u);
    dd = nullptr;
    EXPECT_FALSE(headless::DisplayOpen());
    EXPECT_FALSE(headless::ScreenShown());
    EXPECT_EQ(primary->Restore(), DDERR_INVALIDOBJECT);
    EXPECT_EQ(primary->Release(), 0u);
    primary = nullptr;
}

TEST_F(DirectDrawStandInTest, SurfacesNeedACooperativeLevelAndOnePrimary) {
    LPDIRECTDRAW fresh = nullptr;
    ASSERT_EQ(DirectDrawCreate(NULL, &fresh, NULL), DD_OK);
    DDSURFACEDESC desc;
    std::memset(&desc, 0, sizeof desc);
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    LPDIRECTDRAWSURFACE surface = nullptr;
    EXPECT_EQ(fresh->CreateSurface(&desc, &surface, NULL), DDERR_NOCOOPERATIVELEVELSET);
    fresh->Release();

    MakePrimary();
    EXPECT_EQ(dd->CreateSurface(&desc, &surface, NULL), DDERR_PRIMARYSURFACEALREADYEXISTS);
    EXPECT_EQ(surface, nullptr);
}

TEST_F(DirectDrawStandInTest, WaitForVerticalBlankWaitsOneRefresh) {
    EXPECT_EQ(dd->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, NULL), DD_OK);
    EXPECT_EQ(dd->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, NULL), DD_OK);
    EXPECT_EQ(headless::Refreshes(), 2u);
    EXPECT_EQ(dd->WaitForVerticalBlank(DDWAITVB_BLOCKBEGINEVENT, NULL), DDERR_UNSUPPORTED);
}

}  // namespace
