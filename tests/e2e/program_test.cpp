// The whole program on the headless host: the real WinMain with a script of input.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "display/display_objects.h"
#include "palette/palette_animator.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "shell/win32/window_registry.h"
#include "tests/support/program_fixture.h"

namespace {

struct ScreenSample {
    bool anyRed, anyGreen, anyBlue;
};

class ProgramRunTest : public ProgramTest {
protected:
    // Notes what the screen shows after each of the given frames, and counts pointer repaints.
    void SampleAfterFrames(std::initializer_list<unsigned> frames) {
        for (unsigned frame : frames) wanted[frame + 1] = frame;
        headless::OnCall([this](const headless::CallRecord& call) {
            if (std::strcmp(call.call, "Blt") == 0) ++copies;
            if (std::strcmp(call.call, "WaitForVerticalBlank") != 0) return;
            // The wait of frame n + 1 begins: the screen shows frame n.
            auto found = wanted.find(headless::Refreshes() + 1);
            if (found == wanted.end()) return;
            ScreenSample sample = {false, false, false};
            for (int y = 0; y < 480; y += 4) {
                for (int x = 0; x < 640; x += 4) {
                    headless::Rgb rgb = headless::ScreenPixel(x, y);
                    sample.anyRed |= rgb.red != 0;
                    sample.anyGreen |= rgb.green != 0;
                    sample.anyBlue |= rgb.blue != 0;
                }
            }
            samples[found->second] = sample;
        });
    }

    std::map<unsigned, unsigned> wanted;  // wait number -> frame whose result it shows
    std::map<unsigned, ScreenSample> samples;
    int copies = 0;
};

TEST_F(ProgramRunTest, ActivateAnimateSkipAndClose) {
    headless::PushInput(headless::Activate(true));
    headless::ScheduleInput(100, headless::Pointer());
    headless::ScheduleInput(150, headless::Key('A'));
    headless::ScheduleInput(300, headless::Key(VK_ESCAPE));
    SampleAfterFrames({1, 100, 150, 151, 299});

    EXPECT_EQ(RunWinMain(""), 0);

    ASSERT_EQ(samples.size(), 5u);
    for (unsigned frame : {1u, 100u, 150u}) {
        SCOPED_TRACE(frame);
        EXPECT_FALSE(samples[frame].anyRed || samples[frame].anyGreen) << "the blue ramp";
        EXPECT_TRUE(samples[frame].anyBlue);
    }
    for (unsigned frame : {151u, 299u}) {
        SCOPED_TRACE(frame);
        EXPECT_TRUE(samples[frame].anyRed && samples[frame].anyGreen && samples[frame].anyBlue) << "the hue wheel";
    }
    EXPECT_EQ(headless::Refreshes(), 300u) << "Escape after frame 300 ends the program";
    EXPECT_EQ(schemeIndex, 1);
    EXPECT_EQ(frameCounter, 149) << "frame 151 began the hue wheel at counter 0";
    EXPECT_EQ(copies, 2) << "the first presentation and one for the pointer";
    EXPECT_EQ(DirectDrawLiveObjects(), 0);
    EXPECT_FALSE(headless::DisplayOpen());
    EXPECT_EQ(Win32FindWindow(mainWindow), nullptr);
    EXPECT_EQ(headless::Starvations(), 0);
}

TEST_F(ProgramRunTest, ScreenIsGreyUntilTheFirstFrame) {
    headless::PushInput(headless::Close());
    headless::OnCall([](const headless::CallRecord& call) {
        if (std::strcmp(call.call, "Release") != 0 || headless::Refreshes() != 0) return;
        if (!headless::ScreenShown()) return;
        for (int y = 0; y < 480; y += 7) {
            for (int x = 0; x < 640; x += 7) {
                headless::Rgb rgb = headless::ScreenPixel(x, y);
                ASSERT_TRUE(rgb.red == rgb.green && rgb.green == rgb.blue);
            }
        }
    });
    EXPECT_EQ(RunWinMain(""), 0);
}

struct ActivationCase {
    const char* name;
    HostInput deactivation;
    unsigned frames;
};

TEST_F(ProgramRunTest, DeactivationPausesAndActivationResumes) {
    const ActivationCase cases[] = {
        {"deactivated", headless::Activate(false), 20},
        {"deactivated while minimised", headless::Activate(false, true), 60},
    };
    for (const ActivationCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        int frames = 0;
        headless::OnCall([&frames](const headless::CallRecord& call) {
            frames += std::strcmp(call.call, "WaitForVerticalBlank") == 0;
        });
        headless::PushInput(headless::Activate(true));
        headless::ScheduleInput(10, c.deactivation);
        headless::ScheduleInput(50, headless::Activate(true));
        headless::ScheduleInput(60, headless::Close());

        EXPECT_EQ(RunWinMain(""), 0);

        EXPECT_EQ(frames, static_cast<int>(c.frames));
        EXPECT_EQ(frameCounter, static_cast<int32_t>(c.frames)) << "the animation resumes where it stood";
    }
}

TEST_F(ProgramRunTest, ScreensaverClosesOnAnyKeyButNotOnThePointer) {
    headless::PushInput(headless::Activate(true));
    headless::ScheduleInput(5, headless::Pointer());
    headless::ScheduleInput(6, headless::Pointer(1));
    headless::ScheduleInput(40, headless::Key('Q'));
    EXPECT_EQ(RunWinMain("s"), 0);
    EXPECT_EQ(headless::Refreshes(), 40u);
    EXPECT_EQ(schemeIndex, 0);
}

TEST_F(ProgramRunTest, SurfacesLostWhileRunningComeBackOnTheNextPointerMove) {
    headless::PushInput(headless::Activate(true));
    headless::OnCall([](const headless::CallRecord& call) {
        if (std::strcmp(call.call, "WaitForVerticalBlank") == 0 && headless::Refreshes() == 20) headless::LoseScreen();
    });
    headless::ScheduleInput(30, headless::Pointer());
    headless::ScheduleInput(31, headless::Close());
    EXPECT_EQ(RunWinMain(""), 0);
    // The pointer's presentation finds the surfaces lost, restores both, reloads and copies again.
    std::vector<std::string> recovery = CallsFrom("Restore");
    recovery.resize(8);
    EXPECT_EQ(recovery, (std::vector<std::string>{"Restore", "Restore", "FindResourceA", "SetPalette", "Lock",
                                                  "Unlock", "Blt", "WaitForVerticalBlank"}));
}

}  // namespace
