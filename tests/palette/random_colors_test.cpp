#include "palette/random_colors.h"

#include <gtest/gtest.h>

#include "palette/color_schemes.h"
#include "tests/support/program_fixture.h"

namespace {

class RandomColorsTest : public ProgramTest {};

void ExpectColor(const ColorTriple& color, int red, int green, int blue) {
    EXPECT_EQ(color.red, red);
    EXPECT_EQ(color.green, green);
    EXPECT_EQ(color.blue, blue);
}

// How many NextRandom calls take the seed from `before` to `after`, up to a limit.
int DrawsBetween(uint32_t before, uint32_t after) {
    randomSeed = before;
    for (int draws = 0; draws <= 12; ++draws) {
        if (randomSeed == after) return draws;
        NextRandom();
    }
    return -1;
}

TEST_F(RandomColorsTest, UnseededSequenceStartsAt41) {
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724};
    for (int value : expected) EXPECT_EQ(NextRandom(), value);
}

TEST_F(RandomColorsTest, UnseededColorsAreTheFirstSixDrawsModulo256) {
    ExpectColor(MakeRandomColor(), 41, 35, 190);
    ExpectColor(MakeRandomColor(), 132, 225, 108);
}

TEST_F(RandomColorsTest, SeedingRestartsTheSequence) {
    SeedRandom(12345);
    ExpectColor(MakeRandomColor(), 160, 220, 195);
    ExpectColor(MakeRandomColor(), 109, 196, 109);
    ExpectColor(MakeRandomColor(), 85, 37, 144);
    SeedRandom(12345);
    ExpectColor(MakeRandomColor(), 160, 220, 195);
}

TEST_F(RandomColorsTest, ResultsStayWithinFifteenBitsAcrossTheWrap) {
    SeedRandom(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        int value = NextRandom();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

TEST_F(RandomColorsTest, AColorTakesThreeDrawsAndAGradientSix) {
    SeedRandom(777);
    uint32_t before = randomSeed;
    MakeRandomColor();
    EXPECT_EQ(DrawsBetween(before, randomSeed), 3);

    SeedRandom(777);
    before = randomSeed;
    BuildGradient();
    EXPECT_EQ(DrawsBetween(before, randomSeed), 6);
}

}  // namespace
