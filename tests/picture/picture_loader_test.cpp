#include "picture/picture_loader.h"

#include <gtest/gtest.h>

#include <cstring>

#include "display/display_objects.h"
#include "shell/win32/resources.h"
#include "tests/support/program_fixture.h"

namespace {

class PictureLoaderTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        SetUpWindowAndDisplay();
        headless::ClearCalls();
    }

    // Fills every byte of the picture surface, row tails included.
    void FillPictureSurface(BYTE value) {
        std::fill(pictureSurface->pixels.begin(), pictureSurface->pixels.end(), value);
    }

    bool PictureSurfaceAllEqual(BYTE value) {
        for (BYTE b : pictureSurface->pixels)
            if (b != value) return false;
        return true;
    }
};

const BYTE* Resource() { return win32Resources[0].data; }

TEST_F(PictureLoaderTest, FirstLoadCreatesTheGreyPaletteAndAttachesIt) {
    ASSERT_EQ(LoadPicture(), 1);
    ASSERT_NE(displayPalette, nullptr);
    for (int i = 0; i < 256; ++i) {
        const PALETTEENTRY& e = displayPalette->entries[i];
        EXPECT_TRUE(e.peRed == i && e.peGreen == i && e.peBlue == i && e.peFlags == 0) << i;
    }
    EXPECT_EQ(primarySurface->palette, displayPalette);
    EXPECT_EQ(headless::CallNames(),
              (std::vector<std::string>{"FindResourceA", "CreatePalette", "SetPalette", "Lock", "Unlock"}));
    const headless::CallRecord& create = headless::Calls()[1];
    EXPECT_EQ(create.args[0], DDPCAPS_8BIT) << "8-bit, without DDPCAPS_ALLOW256";
    const headless::CallRecord& find = headless::Calls()[0];
    EXPECT_STREQ(reinterpret_cast<const char*>(find.args[1]), "temp_bmp");
    EXPECT_EQ(find.args[2], reinterpret_cast<uintptr_t>(RT_BITMAP));
}

TEST_F(PictureLoaderTest, RowsArriveTopFirst) {
    ASSERT_EQ(LoadPicture(), 1);
    const LONG pitch = pictureSurface->pitch;
    EXPECT_EQ(std::memcmp(&pictureSurface->pixels[0], Resource() + 1064 + 640 * 479, 640), 0)
        << "the top surface row is the last stored row";
    EXPECT_EQ(std::memcmp(&pictureSurface->pixels[479 * pitch], Resource() + 1064, 640), 0)
        << "the bottom surface row is the first stored row";
}

TEST_F(PictureLoaderTest, WiderPitchLeavesRowTailsUntouched) {
    TearDown();
    ResetProgramState();
    headless::SetSurfacePitch(704);
    SetUpWindowAndDisplay();
    ASSERT_EQ(pictureSurface->pitch, 704);
    FillPictureSurface(0xAB);

    ASSERT_EQ(LoadPicture(), 1);

    for (int y = 0; y < 480; ++y) {
        const BYTE* row = &pictureSurface->pixels[static_cast<size_t>(y) * 704];
        ASSERT_EQ(std::memcmp(row, Resource() + 1064 + 640 * (479 - y), 640), 0) << "row " << y;
        for (int x = 640; x < 704; ++x) ASSERT_EQ(row[x], 0xAB) << "row " << y << " byte " << x;
    }
}

TEST_F(PictureLoaderTest, SecondLoadKeepsTheAnimatedColoursAndAttachesAgain) {
    ASSERT_EQ(LoadPicture(), 1);
    LPDIRECTDRAWPALETTE first = displayPalette;
    PALETTEENTRY red[256];
    for (PALETTEENTRY& e : red) e = {200, 0, 0, 0};
    displayPalette->SetEntries(0, 0, 256, red);
    FillPictureSurface(0);
    headless::ClearCalls();

    ASSERT_EQ(LoadPicture(), 1);

    EXPECT_EQ(displayPalette, first);
    EXPECT_EQ(displayPalette->entries[17].peRed, 200);
    EXPECT_EQ(headless::CallNames(), (std::vector<std::string>{"FindResourceA", "SetPalette", "Lock", "Unlock"}));
    EXPECT_FALSE(PictureSurfaceAllEqual(0)) << "the picture is copied again";
}

struct FailureCase {
    const char* name;
    const char* failingCall;
    bool paletteMade;
    std::vector<std::string> calls;
};

TEST_F(PictureLoaderTest, FailuresReturnZeroSilently) {
    const FailureCase cases[] = {
        {"resource missing", "FindResourceA", false, {"FindResourceA"}},
        {"palette refused", "CreatePalette", false, {"FindResourceA", "CreatePalette"}},
        {"lock refused", "Lock", true, {"FindResourceA", "CreatePalette", "SetPalette", "Lock"}},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        FillPictureSurface(0x5A);
        headless::Fail(c.failingCall, DDERR_GENERIC);

        EXPECT_EQ(LoadPicture(), 0);

        EXPECT_EQ(displayPalette != nullptr, c.paletteMade);
        EXPECT_EQ(primarySurface->palette, displayPalette);
        EXPECT_EQ(headless::CallNames(), c.calls);
        EXPECT_TRUE(PictureSurfaceAllEqual(0x5A)) << "the surface is unchanged";
        EXPECT_TRUE(headless::MessageBoxes().empty());
    }
}

}  // namespace
