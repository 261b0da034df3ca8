#include "display/presenting.h"

#include <gtest/gtest.h>

#include "display/display_objects.h"
#include "shell/main_window.h"
#include "shell/win32/resources.h"
#include "shell/win32/window_registry.h"
#include "tests/support/picture_pixels.h"
#include "tests/support/program_fixture.h"

namespace {

class PresentingTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        SetUpShownPicture();
        headless::ClearCalls();
    }
};

bool ScreenShowsThePicture() {
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            if (headless::ScreenIndex(x, y) != PictureIndex(x, y)) return false;
    return true;
}

struct Answer {
    const char* call;
    int32_t result;  // 0 lets the call go ahead
    int times;
};

struct BltCase {
    const char* name;
    std::vector<Answer> answers;
    std::vector<std::string> calls;
    bool shown;
};

const std::vector<std::string> reload = {"FindResourceA", "SetPalette", "Lock", "Unlock"};

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(PresentingTest, BlitterAnswers) {
    const std::vector<std::string> blt = {"Blt"}, restoreBoth = {"Restore", "Restore"};
    const BltCase cases[] = {
        {"accepted", {}, blt, true},
        {"lost, restored, then accepted",
         {{"Blt", DDERR_SURFACELOST, 1}},
         Join({blt, restoreBoth, reload, blt}),
         true},
        {"lost twice",
         {{"Blt", DDERR_SURFACELOST, 2}},
         Join({blt, restoreBoth, reload, blt, restoreBoth, reload, blt}),
         true},
        {"lost, primary cannot be restored",
         {{"Blt", DDERR_SURFACELOST, 1}, {"Restore", DDERR_WRONGMODE, 1}},
         Join({blt, {"Restore"}, reload}),
         false},
        {"lost, picture cannot be restored",
         {{"Blt", DDERR_SURFACELOST, 1}, {"Restore", 0, 1}, {"Restore", DDERR_WRONGMODE, 1}},
         Join({blt, restoreBoth, reload}),
         false},
        {"busy four times, then accepted", {{"Blt", DDERR_WASSTILLDRAWING, 4}}, Join({blt, blt, blt, blt, blt}), true},
        {"busy twice, then refused",
         {{"Blt", DDERR_WASSTILLDRAWING, 2}, {"Blt", DDERR_INVALIDRECT, 1}},
         Join({blt, blt, blt}),
         false},
        {"refused", {{"Blt", DDERR_GENERIC, 1}}, blt, false},
    };
    for (const BltCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        // Start from a black screen, so that a copy shows.
        std::fill(primarySurface->pixels.begin(), primarySurface->pixels.end(), 0);
        for (const Answer& answer : c.answers) headless::Fail(answer.call, answer.result, answer.times);

        PresentPicture();

        EXPECT_EQ(headless::CallNames(), c.calls);
        EXPECT_EQ(ScreenShowsThePicture(), c.shown);
    }
}

TEST_F(PresentingTest, DestinationIsTheClientAreaInScreenCoordinatesPassedUnchanged) {
    // A window that does not cover the 640 x 480 screen: its rectangle reaches outside.
    Win32PlaceWindow(mainWindow, 10, 20, 640, 480);
    std::vector<RECT> rects;
    headless::OnCall([&rects](const headless::CallRecord& call) {
        if (std::string(call.call) != "Blt") return;
        rects.push_back(*reinterpret_cast<const RECT*>(call.args[0]));
        rects.push_back(*reinterpret_cast<const RECT*>(call.args[2]));
        EXPECT_EQ(call.args[1], reinterpret_cast<uintptr_t>(pictureSurface));
        EXPECT_EQ(call.args[3], 0u);
    });
    std::fill(primarySurface->pixels.begin(), primarySurface->pixels.end(), 0);

    PresentPicture();

    ASSERT_EQ(rects.size(), 2u) << "a refused copy is not tried again";
    EXPECT_EQ(rects[0].left, 10);
    EXPECT_EQ(rects[0].top, 20);
    EXPECT_EQ(rects[0].right, 650);
    EXPECT_EQ(rects[0].bottom, 500);
    EXPECT_EQ(rects[1].right, 640);
    EXPECT_EQ(rects[1].bottom, 480);
    EXPECT_FALSE(ScreenShowsThePicture());
}

TEST_F(PresentingTest, PictureArrivesUprightAndGreyBeforeTheFirstFrame) {
    EXPECT_TRUE(ScreenShowsThePicture());
    for (int x = 0; x < 640; ++x) ASSERT_EQ(headless::ScreenIndex(x, 0), 0) << "the top row is the dark edge";
    EXPECT_NE(headless::ScreenIndex(320, 479), 0);
    for (int index : {0, 1, 127, 254, 255}) {
        headless::Rgb grey = headless::ScreenColor(static_cast<uint8_t>(index));
        EXPECT_EQ(grey, (headless::Rgb{static_cast<uint8_t>(index), static_cast<uint8_t>(index),
                                       static_cast<uint8_t>(index)}));
    }
}

TEST_F(PresentingTest, ALostScreenIsRestoredAndRefilledKeepingTheColours) {
    PALETTEENTRY animated[256];
    for (int i = 0; i < 256; ++i) animated[i] = {static_cast<BYTE>(i), 0, static_cast<BYTE>(255 - i), 0};
    displayPalette->SetEntries(0, 0, 256, animated);
    headless::LoseScreen();
    EXPECT_EQ(primarySurface->IsLost(), DDERR_SURFACELOST);

    PresentPicture();

    EXPECT_EQ(primarySurface->IsLost(), DD_OK);
    EXPECT_EQ(pictureSurface->IsLost(), DD_OK);
    EXPECT_TRUE(ScreenShowsThePicture());
    EXPECT_EQ(headless::ScreenColor(10), (headless::Rgb{10, 0, 245}));
}

TEST_F(PresentingTest, AScreenThatCannotComeBackYetIsLeftForTheNextTry) {
    headless::LoseScreen();
    headless::SetRestorable(false);
    PresentPicture();
    // The picture surface is still lost, so the reload stops at its lock.
    EXPECT_EQ(headless::CallNames(), (std::vector<std::string>{"Blt", "Restore", "FindResourceA", "SetPalette", "Lock"}));
    EXPECT_EQ(RestoreSurfaces(), 0);

    headless::SetRestorable(true);
    PresentPicture();
    EXPECT_TRUE(ScreenShowsThePicture());
}

}  // namespace
