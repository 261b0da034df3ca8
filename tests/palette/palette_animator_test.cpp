#include "palette/palette_animator.h"

#include <gtest/gtest.h>

#include <set>

#include "display/display_objects.h"
#include "palette/color_schemes.h"
#include "palette/random_colors.h"
#include "tests/support/program_fixture.h"

namespace {

class PaletteAnimatorTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        SetUpShownPicture();
        headless::RecordCalls(false);
    }

    void RunFrames(int frames) {
        for (int i = 0; i < frames; ++i) StepPalette();
    }

    // Puts the animator at the given counter of a scheme, so that the next frame shows counter + 1.
    void StandAt(int32_t scheme, int32_t counter) {
        schemeIndex = scheme;
        frameCounter = counter;
    }
};

struct EntryCase {
    int entry;
    BYTE red, green, blue;
};

void ExpectEntries(std::initializer_list<EntryCase> cases) {
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.entry);
        EXPECT_EQ(workingPalette[c.entry].peRed, c.red);
        EXPECT_EQ(workingPalette[c.entry].peGreen, c.green);
        EXPECT_EQ(workingPalette[c.entry].peBlue, c.blue);
        EXPECT_EQ(workingPalette[c.entry].peFlags, 0);
    }
}

bool SameEntry(const PALETTEENTRY& a, const PALETTEENTRY& b) {
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue && a.peFlags == b.peFlags;
}

TEST_F(PaletteAnimatorTest, FirstFrameOfTheBlueRampFoldsHighPhases) {
    StepPalette();
    EXPECT_EQ(frameCounter, 1);
    EXPECT_EQ(schemeIndex, 0);
    ExpectEntries({{0, 0, 0, 1}, {39, 0, 0, 235}, {40, 0, 0, 180}, {42, 0, 0, 36}, {43, 0, 0, 3}});
}

TEST_F(PaletteAnimatorTest, HueWheelIsReadWithoutTheFold) {
    StandAt(1, 0);
    StepPalette();
    ExpectEntries({{42, 255, 10, 0}, {43, 240, 0, 255}});
}

TEST_F(PaletteAnimatorTest, HueWheelAtCounterZeroAfterANaturalChange) {
    StandAt(0, 4096);
    StepPalette();
    ASSERT_EQ(schemeIndex, 1);
    ASSERT_EQ(frameCounter, 0);
    ExpectEntries({{42, static_cast<BYTE>(hueWheel[252].red), static_cast<BYTE>(hueWheel[252].green),
                    static_cast<BYTE>(hueWheel[252].blue)},
                   {43, 245, 0, 255}});
}

TEST_F(PaletteAnimatorTest, GradientSchemesFoldAndNeverShowTheirLastEntries) {
    // A grey gradient tells each table entry by its red value.
    FillGradient({0, 0, 0}, {255, 255, 255});
    for (int32_t scheme : {2, 3}) {
        StandAt(scheme, 0);
        std::set<int> shown;
        for (int frame = 0; frame < 256; ++frame) {
            StepPalette();
            for (const PALETTEENTRY& e : workingPalette) shown.insert(e.peRed);
        }
        EXPECT_EQ(shown.size(), 237u);
        EXPECT_TRUE(shown.count(0)) << "the first colour is shown";
        EXPECT_EQ(*std::prev(shown.end(), 2), 235);
        EXPECT_EQ(*shown.rbegin(), 240) << "the second colour, entry 255, never is";
    }
}

TEST_F(PaletteAnimatorTest, BlueRampTakesOnlyValuesUpTo235And240) {
    std::set<int> blues;
    for (int frame = 0; frame < 256; ++frame) {
        StepPalette();
        for (const PALETTEENTRY& e : workingPalette) blues.insert(e.peBlue);
    }
    EXPECT_EQ(blues.size(), 237u);
    EXPECT_EQ(*blues.begin(), 0);
    EXPECT_EQ(*std::prev(blues.end(), 2), 235);
    EXPECT_EQ(*blues.rbegin(), 240);
}

TEST_F(PaletteAnimatorTest, EntryPlus128MatchesInEveryScheme) {
    SeedRandom(99);
    for (int32_t scheme = 0; scheme < 4; ++scheme) {
        StandAt(scheme, 0);
        if (scheme > 1) BuildGradient();
        for (int frame = 0; frame < 300; ++frame) {
            StepPalette();
            for (int i = 0; i < 128; ++i)
                ASSERT_TRUE(SameEntry(workingPalette[i], workingPalette[i + 128]))
                    << "scheme " << scheme << " counter " << frameCounter << " entry " << i;
        }
    }
}

TEST_F(PaletteAnimatorTest, AColourMovesDownOneEntryEverySixFrames) {
    StandAt(1, 100);
    StepPalette();
    PALETTEENTRY before[256];
    std::copy(std::begin(workingPalette), std::end(workingPalette), before);
    RunFrames(6);
    for (int i = 0; i < 255; ++i) ASSERT_TRUE(SameEntry(workingPalette[i], before[i + 1])) << i;
}

TEST_F(PaletteAnimatorTest, SchemesLast4096FramesFirstAnd4097After) {
    struct Case {
        int frame;
        int32_t scheme;
        int32_t counter;
    };
    const Case cases[] = {{4096, 0, 4096},  {4097, 1, 0},     {8193, 1, 4096}, {8194, 2, 0},
                          {12290, 2, 4096}, {12291, 3, 0},    {16387, 3, 4096}, {16388, 0, 0},
                          {20485, 1, 0}};
    int frame = 0;
    for (const Case& c : cases) {
        RunFrames(c.frame - frame);
        frame = c.frame;
        EXPECT_EQ(schemeIndex, c.scheme) << "frame " << c.frame;
        EXPECT_EQ(frameCounter, c.counter) << "frame " << c.frame;
    }
}

TEST_F(PaletteAnimatorTest, SkipValueChangesSchemeAtTheNextFrameFromCounterZero) {
    SeedRandom(5);
    StandAt(1, 1234);
    frameCounter = 999999;
    StepPalette();
    EXPECT_EQ(schemeIndex, 2);
    EXPECT_EQ(frameCounter, 0);
    SeedRandom(5);
    ColorTriple first = MakeRandomColor();
    EXPECT_EQ(gradientTable[0].red, first.red);
    EXPECT_EQ(workingPalette[0].peRed, static_cast<BYTE>(first.red));
    EXPECT_EQ(workingPalette[0].peGreen, static_cast<BYTE>(first.green));
    EXPECT_EQ(workingPalette[0].peBlue, static_cast<BYTE>(first.blue));
}

TEST_F(PaletteAnimatorTest, OnlyEnteringSchemesTwoAndThreeDrawsRandomNumbers) {
    struct Case {
        int32_t from;
        int32_t to;
        int draws;
    };
    const Case cases[] = {{0, 1, 0}, {1, 2, 6}, {2, 3, 6}, {3, 0, 0}};
    for (const Case& c : cases) {
        for (int32_t counter : {4096, 999999 - 1}) {
            SeedRandom(31337);
            StandAt(c.from, counter);
            StepPalette();
            EXPECT_EQ(schemeIndex, c.to);
            uint32_t after = randomSeed;
            SeedRandom(31337);
            for (int i = 0; i < c.draws; ++i) NextRandom();
            EXPECT_EQ(randomSeed, after) << "from scheme " << c.from << " at counter " << counter;
        }
    }
}

TEST_F(PaletteAnimatorTest, EachFrameWaitsForTheBlankThenLoadsAllEntries) {
    headless::RecordCalls(true);
    headless::ClearCalls();
    RunFrames(3);
    const auto& calls = headless::Calls();
    ASSERT_EQ(calls.size(), 6u);
    for (int frame = 0; frame < 3; ++frame) {
        const headless::CallRecord& wait = calls[2 * frame];
        const headless::CallRecord& load = calls[2 * frame + 1];
        EXPECT_STREQ(wait.call, "WaitForVerticalBlank");
        EXPECT_EQ(wait.args[0], DDWAITVB_BLOCKBEGIN);
        EXPECT_EQ(wait.args[1], 0u);
        EXPECT_STREQ(load.call, "SetEntries");
        EXPECT_EQ(load.args[0], 0u);
        EXPECT_EQ(load.args[1], 0u);
        EXPECT_EQ(load.args[2], 256u);
        EXPECT_EQ(load.args[3], reinterpret_cast<uintptr_t>(workingPalette));
    }
    EXPECT_EQ(headless::Refreshes(), 3u);
}

TEST_F(PaletteAnimatorTest, TheScreenShowsTheLoadedColours) {
    StandAt(1, 10);
    StepPalette();
    for (int index : {0, 1, 100, 254}) {
        headless::Rgb shown = headless::ScreenColor(static_cast<uint8_t>(index));
        EXPECT_EQ(shown.red, workingPalette[index].peRed);
        EXPECT_EQ(shown.green, workingPalette[index].peGreen);
        EXPECT_EQ(shown.blue, workingPalette[index].peBlue);
    }
}

TEST_F(PaletteAnimatorTest, FailedWaitOrLoadLosesOnlyThatFramesColours) {
    headless::Fail("WaitForVerticalBlank", DDERR_GENERIC);
    headless::Fail("SetEntries", DDERR_GENERIC);
    StepPalette();
    EXPECT_EQ(frameCounter, 1);
    EXPECT_EQ(headless::ScreenColor(0).blue, 0) << "the grey ramp stays until a load succeeds";
    StepPalette();
    EXPECT_EQ(frameCounter, 2);
    EXPECT_EQ(headless::ScreenColor(0).blue, 2);
}

class PaletteAnimatorWithoutPaletteTest : public ProgramTest {};

TEST_F(PaletteAnimatorWithoutPaletteTest, AdvancesWithoutUploading) {
    SetUpWindowAndDisplay();
    ASSERT_EQ(displayPalette, nullptr);
    headless::ClearCalls();
    frameCounter = 4096;
    StepPalette();
    EXPECT_EQ(schemeIndex, 1);
    EXPECT_EQ(frameCounter, 0);
    EXPECT_EQ(CallsFrom("WaitForVerticalBlank"), std::vector<std::string>{"WaitForVerticalBlank"});
}

TEST_F(PaletteAnimatorWithoutPaletteTest, AdvancesWithoutAnyDisplay) {
    StepPalette();
    EXPECT_EQ(frameCounter, 1);
    EXPECT_EQ(headless::Refreshes(), 0u);
}

}  // namespace
