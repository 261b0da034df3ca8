// The embedded picture and icon: their layout, and the qualities the animation relies on.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "shell/win32.h"
#include "shell/win32/resources.h"
#include "tests/support/picture_pixels.h"

namespace {

std::vector<BYTE> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Read32(const BYTE* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t Read16(const BYTE* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

const BYTE* Resource() {
    HRSRC found = FindResourceA(NULL, "TEMP_BMP", RT_BITMAP);
    return found != NULL ? static_cast<const BYTE*>(LockResource(LoadResource(NULL, found))) : nullptr;
}

TEST(PictureResource, HasTheBitmapLayoutWithoutTheFileHeader) {
    ASSERT_EQ(win32ResourceCount, 1);
    EXPECT_EQ(win32Resources[0].size, 308264u);
    const BYTE* r = Resource();
    ASSERT_NE(r, nullptr);
    struct Field {
        int offset, size;
        uint32_t value;
    };
    const Field fields[] = {{0, 4, 40}, {4, 4, 640}, {8, 4, 480}, {12, 2, 1},  {14, 2, 8},  {16, 4, 0},
                            {20, 4, 0}, {24, 4, 0},   {28, 4, 0},   {32, 4, 256}, {36, 4, 0}};
    for (const Field& f : fields)
        EXPECT_EQ(f.size == 4 ? Read32(r + f.offset) : Read16(r + f.offset), f.value) << "offset " << f.offset;
    for (int i = 0; i < 256; ++i) {
        const BYTE* quad = r + 40 + 4 * i;
        EXPECT_TRUE(quad[0] == i && quad[1] == i && quad[2] == i && quad[3] == 0) << "colour " << i;
    }
}

TEST(PictureResource, IsTheCommittedBitmapLessItsFileHeader) {
    std::vector<BYTE> file = ReadFile(LUMIVANE_SOURCE_DIR "/picture/temp.bmp");
    ASSERT_EQ(file.size(), 308264u + 14);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_TRUE(std::equal(file.begin() + 14, file.end(), win32Resources[0].data));
}

TEST(PictureResource, NamesCompareWithoutRegardToCase) {
    for (const char* name : {"temp_bmp", "TEMP_BMP", "Temp_Bmp"}) EXPECT_NE(FindResourceA(NULL, name, RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(NULL, "temp_bmp", RT_ICON), nullptr);
    EXPECT_EQ(FindResourceA(NULL, "temp", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(0x1234), "temp_bmp", RT_BITMAP), nullptr);
}

TEST(PictureResource, DarkestIndexOnlyAlongTheTopEdgeAndNo255) {
    int zerosInSecondRow = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            BYTE v = PictureIndex(x, y);
            ASSERT_NE(v, 255) << x << "," << y;
            if (y == 0) {
                ASSERT_EQ(v, 0) << "top row at " << x;
            } else if (y == 1) {
                zerosInSecondRow += v == 0;
            } else {
                ASSERT_NE(v, 0) << x << "," << y;
            }
        }
    }
    EXPECT_GT(zerosInSecondRow, 320) << "most of the second row";
    EXPECT_LT(zerosInSecondRow, 640);
}

TEST(PictureResource, BrightestIndexOnlyInASmallAreaNearTheCentre) {
    int count = 0, left = 640, right = 0, top = 480, bottom = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (PictureIndex(x, y) != 254) continue;
            ++count;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    EXPECT_GT(count, 0);
    EXPECT_LT(count, 2000);
    EXPECT_GT(left, 200);
    EXPECT_LT(right, 440);
    EXPECT_GT(top, 150);
    EXPECT_LT(bottom, 360);
}

TEST(PictureResource, NeighboursMostlyDifferByAtMostOneStep) {
    long pairs = 0, smooth = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (x + 1 < 640) {
                ++pairs;
                smooth += std::abs(PictureIndex(x, y) - PictureIndex(x + 1, y)) <= 1;
            }
            if (y + 1 < 480) {
                ++pairs;
                smooth += std::abs(PictureIndex(x, y) - PictureIndex(x, y + 1)) <= 1;
            }
        }
    }
    EXPECT_GE(static_cast<double>(smooth) / pairs, 0.97);
}

TEST(PictureResource, UsesNearlyEveryIndex) {
    std::set<BYTE> used;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) used.insert(PictureIndex(x, y));
    EXPECT_EQ(used.size(), 255u) << "0 to 254, so every palette entry but the last takes part";
}

TEST(PictureIcon, HasTwoSixteenColourImagesOfRings) {
    std::vector<BYTE> icon = ReadFile(LUMIVANE_SOURCE_DIR "/picture/lumivane.ico");
    ASSERT_GE(icon.size(), 6u + 2 * 16);
    EXPECT_EQ(Read16(&icon[0]), 0);
    EXPECT_EQ(Read16(&icon[2]), 1) << "an icon";
    ASSERT_EQ(Read16(&icon[4]), 2);
    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        const BYTE* entry = &icon[6 + 16 * i];
        int size = sizes[i];
        EXPECT_EQ(entry[0], size);
        EXPECT_EQ(entry[1], size);
        EXPECT_EQ(entry[2], 16) << "colours";
        EXPECT_EQ(Read16(entry + 6), 4) << "bits per pixel";
        uint32_t bytes = Read32(entry + 8), offset = Read32(entry + 12);
        ASSERT_LE(offset + bytes, icon.size());
        const BYTE* image = &icon[offset];
        EXPECT_EQ(Read32(image + 4), static_cast<uint32_t>(size));
        EXPECT_EQ(Read32(image + 8), static_cast<uint32_t>(2 * size)) << "colours and mask";
        // Black and white rings: along a line from the centre out, the colour changes several times.
        const BYTE* pixels = image + 40 + 64;
        int rowBytes = (size / 2 + 3) / 4 * 4, changes = 0, previous = -1;
        for (int x = size / 2; x < size; ++x) {
            int nibble = (pixels[(size / 2) * rowBytes + x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF;
            ASSERT_TRUE(nibble == 0 || nibble == 15) << "only black and white";
            changes += previous >= 0 && nibble != previous;
            previous = nibble;
        }
        EXPECT_GE(changes, 2);
    }
}

TEST(PictureGenerator, DrawsTheCommittedFilesAgain) {
    std::string folder = testing::TempDir() + "lumivane_picture";
    std::string command = "mkdir -p '" + folder + "' && '" LUMIVANE_GENERATOR "' '" + folder + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : {"/temp.bmp", "/lumivane.ico"}) {
        EXPECT_EQ(ReadFile(folder + name), ReadFile(std::string(LUMIVANE_SOURCE_DIR "/picture") + name)) << name;
    }
}

}  // namespace
