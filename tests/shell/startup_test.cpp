#include "shell/startup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <vector>

#include "display/display_objects.h"
#include "palette/color_schemes.h"
#include "palette/palette_animator.h"
#include "palette/random_colors.h"
#include "shell/main_window.h"
#include "shell/win32/command_line.h"
#include "shell/win32/window_registry.h"
#include "tests/support/program_fixture.h"

namespace {

class StartupTest : public ProgramTest {};

struct SwitchCase {
    const char* commandLine;
    int32_t screensaver;
};

TEST_F(StartupTest, ScreensaverSwitchIsTheWholeCommandLineInAnyCase) {
    const SwitchCase cases[] = {{"/s", 1},   {"-s", 1},     {"s", 1},      {"/S", 1},    {"-S", 1},
                                {"S", 1},    {"", 0},       {"/s ", 0},    {"/s x", 0},  {"x", 0},
                                {"/c", 0},   {"/p 1234", 0}, {"\"/s\"", 0}, {"ss", 0},    {"-s -s", 0}};
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(c.commandLine);
        TearDown();
        SetUp();
        headless::PushInput(headless::Close());
        EXPECT_EQ(RunWinMain(c.commandLine), 0);
        EXPECT_EQ(screensaverMode, c.screensaver);
    }
}

struct ArgumentsCase {
    std::vector<const char*> argv;
    const char* commandLine;
    int32_t screensaver;
};

TEST_F(StartupTest, ProcessArgumentsBecomeTheCommandLineThePlatformPasses) {
    const ArgumentsCase cases[] = {
        {{"lumivane", "/s"}, "/s", 1},
        {{"lumivane", "S"}, "S", 1},
        {{"lumivane", "-S"}, "-S", 1},
        {{"lumivane", "/s "}, "\"/s \"", 0},
        {{"lumivane", "/s", "x"}, "/s x", 0},
        {{"lumivane"}, "", 0},
        {{"lumivane", ""}, "\"\"", 0},
        {{"lumivane", "\t/s"}, "\"\t/s\"", 0},
        {{"lumivane", "\x01/s"}, "/s", 1},
        {{"lumivane", "a b", "c"}, "\"a b\" c", 0},
    };
    for (const ArgumentsCase& c : cases) {
        SCOPED_TRACE(c.commandLine);
        std::string line = Win32CommandLine(static_cast<int>(c.argv.size()), c.argv.data());
        EXPECT_EQ(line, c.commandLine);
        TearDown();
        SetUp();
        headless::PushInput(headless::Close());
        RunWinMain(line.c_str());
        EXPECT_EQ(screensaverMode, c.screensaver);
    }
}

TEST_F(StartupTest, StartsWindowDisplayPicturePresentationThenLoop) {
    headless::PushInput(headless::Close());
    EXPECT_EQ(RunWinMain(""), 0);
    std::vector<std::string> expected = {"RegisterClassA", "CreateWindowExA", "ShowWindow", "UpdateWindow",
                                         "DirectDrawCreate", "SetCooperativeLevel", "SetDisplayMode", "CreateSurface",
                                         "CreateSurface", "FindResourceA", "CreatePalette", "SetPalette",
                                         "Lock", "Unlock", "Blt"};
    std::vector<std::string> calls = headless::CallNames();
    ASSERT_GE(calls.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + expected.size()), expected);
    EXPECT_EQ(DirectDrawLiveObjects(), 0);
    EXPECT_EQ(headless::Starvations(), 0);
}

TEST_F(StartupTest, TwoStartsInTheSameSecondDrawTheSameGradients) {
    // Two skips reach the first random gradient; then the program is closed.
    auto runToFirstGradient = [this](std::vector<ColorTriple>& gradient) {
        TearDown();
        SetUp();
        headless::PushInput(headless::Activate(true));
        headless::ScheduleInput(1, headless::Key('A'));
        headless::ScheduleInput(2, headless::Key('A'));
        headless::ScheduleInput(3, headless::Close());
        std::time_t started = std::time(nullptr);
        EXPECT_EQ(RunWinMain(""), 0);
        EXPECT_EQ(schemeIndex, 2);
        gradient.assign(gradientTable, gradientTable + 256);
        return started;
    };
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::vector<ColorTriple> first, second;
        std::time_t firstStart = runToFirstGradient(first);
        std::time_t secondStart = runToFirstGradient(second);
        if (firstStart != secondStart || std::time(nullptr) != secondStart) continue;  // a second went by
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(first[i].red, second[i].red);
            EXPECT_EQ(first[i].green, second[i].green);
            EXPECT_EQ(first[i].blue, second[i].blue);
        }
        // And the seed is the time: the same gradient comes from seeding with it directly.
        SeedRandom(static_cast<uint32_t>(secondStart));
        BuildGradient();
        EXPECT_EQ(gradientTable[0].red, second[0].red);
        EXPECT_EQ(gradientTable[255].blue, second[255].blue);
        return;
    }
    FAIL() << "could not start twice within one second";
}

TEST_F(StartupTest, DisplayFailureShowsTheMessageAndNeverRunsTheLoop) {
    headless::Fail("SetDisplayMode", DDERR_INVALIDMODE);
    EXPECT_EQ(RunWinMain("/s"), 0);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].text, "DirectDraw Init FAILED");
    EXPECT_EQ(CountCalls("WaitMessage"), 0);
    EXPECT_EQ(CountCalls("WaitForVerticalBlank"), 0);
    EXPECT_EQ(CountCalls("FindResourceA"), 0);
    EXPECT_EQ(DirectDrawLiveObjects(), 0);
    EXPECT_EQ(Win32FindWindow(mainWindow), nullptr);
}

TEST_F(StartupTest, WindowFailureEndsAtOnceWithZero) {
    headless::Fail("CreateWindowExA", 1);
    EXPECT_EQ(RunWinMain(""), 0);
    EXPECT_EQ(CountCalls("DirectDrawCreate"), 0);
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

TEST_F(StartupTest, MissingPictureStillRunsTheAnimationWithoutUploads) {
    headless::Fail("FindResourceA", 1);
    headless::PushInput(headless::Activate(true));
    headless::ScheduleInput(30, headless::Key(VK_ESCAPE));
    EXPECT_EQ(RunWinMain(""), 0);
    EXPECT_EQ(CountCalls("WaitForVerticalBlank"), 30);
    EXPECT_EQ(CountCalls("SetEntries"), 0);
    EXPECT_EQ(frameCounter, 30);
    EXPECT_EQ(DirectDrawLiveObjects(), 0);
}

}  // namespace
