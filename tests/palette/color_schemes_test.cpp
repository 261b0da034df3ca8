#include "palette/color_schemes.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "palette/random_colors.h"
#include "tests/support/program_fixture.h"

namespace {

class ColorSchemesTest : public ProgramTest {};

struct HueCase {
    int index;
    ColorTriple color;
};

void ExpectEntries(const ColorTriple* table, std::initializer_list<HueCase> cases) {
    for (const HueCase& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(table[c.index].red, c.color.red);
        EXPECT_EQ(table[c.index].green, c.color.green);
        EXPECT_EQ(table[c.index].blue, c.color.blue);
    }
}

TEST_F(ColorSchemesTest, HueWheelSpotValues) {
    ExpectEntries(hueWheel.data(), {
                                       {0, {255, 0, 255}},   {1, {250, 0, 255}},   {51, {0, 0, 255}},
                                       {52, {0, 5, 255}},    {100, {0, 245, 255}}, {101, {0, 251, 255}},
                                       {102, {0, 255, 255}}, {103, {0, 255, 250}}, {153, {0, 255, 0}},
                                       {154, {5, 255, 0}},   {204, {255, 255, 0}}, {205, {255, 250, 0}},
                                       {255, {255, 0, 0}},
                                   });
}

TEST_F(ColorSchemesTest, HueWheelMovesFiveStepsInOneChannelExceptAroundTheQuirk) {
    for (int i = 0; i < 255; ++i) {
        if (i == 100 || i == 101) continue;  // 245 -> 251 -> 255
        int change = std::abs(hueWheel[i + 1].red - hueWheel[i].red) +
                     std::abs(hueWheel[i + 1].green - hueWheel[i].green) +
                     std::abs(hueWheel[i + 1].blue - hueWheel[i].blue);
        EXPECT_EQ(change, 5) << "between entries " << i << " and " << i + 1;
    }
}

TEST_F(ColorSchemesTest, SchemeCountIsFour) { EXPECT_EQ(schemeCount, 4); }

TEST_F(ColorSchemesTest, GradientTableIsZeroUntilBuilt) {
    for (const ColorTriple& c : gradientTable) EXPECT_EQ(c.red + c.green + c.blue, 0);
}

TEST_F(ColorSchemesTest, GradientRunsFromTheFirstRandomColourToTheSecond) {
    SeedRandom(12345);
    BuildGradient();
    ExpectEntries(gradientTable, {{0, {160, 220, 195}}, {255, {109, 196, 109}}});
}

TEST_F(ColorSchemesTest, GradientDivisionTruncates) {
    FillGradient({10, 20, 30}, {250, 128, 0});
    ExpectEntries(gradientTable, {{0, {10, 20, 30}}, {1, {10, 20, 29}}, {128, {130, 74, 14}}, {255, {250, 128, 0}}});
}

TEST_F(ColorSchemesTest, GradientBetweenEqualColoursIsConstant) {
    FillGradient({77, 0, 255}, {77, 0, 255});
    for (const ColorTriple& c : gradientTable) {
        EXPECT_EQ(c.red, 77);
        EXPECT_EQ(c.green, 0);
        EXPECT_EQ(c.blue, 255);
    }
}

}  // namespace
