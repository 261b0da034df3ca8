#include "display/display_setup.h"

#include <gtest/gtest.h>

#include <cstring>

#include "display/display_objects.h"
#include "picture/picture_loader.h"
#include "shell/main_window.h"
#include "shell/win32/window_registry.h"
#include "tests/support/program_fixture.h"

namespace {

// Names the display object a Release call is about, while the program still holds it.
const char* Label(const headless::CallRecord& call) {
    if (std::strcmp(call.call, "Release") != 0) return call.call;
    uintptr_t object = call.args[0];
    if (object == reinterpret_cast<uintptr_t>(primarySurface)) return "Release primarySurface";
    if (object == reinterpret_cast<uintptr_t>(pictureSurface)) return "Release pictureSurface";
    if (object == reinterpret_cast<uintptr_t>(displayPalette)) return "Release displayPalette";
    if (object == reinterpret_cast<uintptr_t>(directDraw)) return "Release directDraw";
    return "Release (unknown)";
}

class DisplaySetupTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        teardown.clear();
        ASSERT_EQ(CreateMainWindow(Win32ModuleInstance(), SW_SHOWDEFAULT), 1);
        headless::OnCall([this](const headless::CallRecord& call) {
            std::string label = Label(call);
            if (label.rfind("Release", 0) == 0 || label == "MessageBoxA" || label == "DestroyWindow")
                teardown.push_back(label);
        });
    }

    std::vector<std::string> teardown;  // releases, the message box and the window's end, in order
};

struct FailureCase {
    const char* name;
    std::vector<std::pair<const char*, int32_t>> answers;  // 0 lets a call go ahead
    std::vector<std::string> teardown;
};

TEST_F(DisplaySetupTest, EachFailingStepReleasesWhatExistsThenReports) {
    const FailureCase cases[] = {
        {"no DirectDraw object", {{"DirectDrawCreate", DDERR_NODIRECTDRAWHW}}, {"MessageBoxA", "DestroyWindow"}},
        {"mode refused",
         {{"SetDisplayMode", DDERR_INVALIDMODE}},
         {"Release directDraw", "MessageBoxA", "DestroyWindow"}},
        {"no primary surface",
         {{"CreateSurface", DDERR_OUTOFMEMORY}},
         {"Release directDraw", "MessageBoxA", "DestroyWindow"}},
        {"no picture surface",
         {{"CreateSurface", 0}, {"CreateSurface", DDERR_OUTOFMEMORY}},
         {"Release primarySurface", "Release directDraw", "MessageBoxA", "DestroyWindow"}},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        for (const auto& [call, result] : c.answers) headless::Fail(call, result);
        HWND window = mainWindow;

        EXPECT_EQ(InitDisplay(window), 0);

        EXPECT_EQ(teardown, c.teardown);
        ASSERT_EQ(headless::MessageBoxes().size(), 1u);
        EXPECT_EQ(headless::MessageBoxes()[0].text, "DirectDraw Init FAILED");
        EXPECT_EQ(headless::MessageBoxes()[0].caption, "Lumivane");
        EXPECT_EQ(Win32FindWindow(window), nullptr) << "the window is destroyed";
        EXPECT_EQ(displayReady, 0);
        EXPECT_EQ(directDraw, nullptr);
        EXPECT_EQ(primarySurface, nullptr);
        EXPECT_EQ(pictureSurface, nullptr);
        EXPECT_EQ(DirectDrawLiveObjects(), 0);
        MSG msg;
        ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
        EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT)) << "WM_DESTROY posted the quit message";
    }
}

TEST_F(DisplaySetupTest, MessageBoxIsOwnedByTheWindowWithOkOnly) {
    headless::Fail("DirectDrawCreate", DDERR_GENERIC);
    HWND window = mainWindow;
    InitDisplay(window);
    for (const headless::CallRecord& call : headless::Calls()) {
        if (std::string(call.call) != "MessageBoxA") continue;
        EXPECT_EQ(call.args[0], reinterpret_cast<uintptr_t>(window));
        EXPECT_EQ(call.args[3], MB_OK);
        return;
    }
    FAIL() << "no message box";
}

TEST_F(DisplaySetupTest, RefusedCooperativeLevelGoesOnUntilThePrimarySurfaceFails) {
    headless::Fail("SetCooperativeLevel", DDERR_GENERIC);
    EXPECT_EQ(InitDisplay(mainWindow), 0);
    EXPECT_EQ(CallsFrom("SetCooperativeLevel"),
              (std::vector<std::string>{"SetCooperativeLevel", "SetDisplayMode", "CreateSurface", "Release",
                                        "MessageBoxA", "DestroyWindow"}));
}

TEST_F(DisplaySetupTest, NoScreenAtAllFailsLikeARefusedObject) {
    headless::RefuseDisplay(true);
    EXPECT_EQ(InitDisplay(mainWindow), 0);
    EXPECT_EQ(teardown, (std::vector<std::string>{"MessageBoxA", "DestroyWindow"}));
}

TEST_F(DisplaySetupTest, SetUpTakesTheScreenAt640By480AndCoversItWithTheWindow) {
    RECT before;
    GetClientRect(mainWindow, &before);
    EXPECT_EQ(before.right, 1280) << "the window is made as large as the desktop";
    ASSERT_EQ(InitDisplay(mainWindow), 1);
    EXPECT_EQ(displayReady, 1);
    EXPECT_EQ(headless::ScreenWidth(), 640);
    EXPECT_EQ(headless::ScreenHeight(), 480);
    RECT after;
    GetClientRect(mainWindow, &after);
    EXPECT_EQ(after.right, 640);
    EXPECT_EQ(after.bottom, 480);
    for (const headless::CallRecord& call : headless::Calls()) {
        std::string name = call.call;
        if (name == "SetCooperativeLevel") {
            EXPECT_EQ(call.args[1], 0x11u);
        }
        if (name == "SetDisplayMode") {
            EXPECT_EQ(call.args[0], 640u);
            EXPECT_EQ(call.args[1], 480u);
            EXPECT_EQ(call.args[2], 8u);
        }
    }
}

TEST_F(DisplaySetupTest, ReleaseGoesPrimaryPicturePaletteThenDirectDrawAndOnlyOnce) {
    ASSERT_EQ(InitDisplay(mainWindow), 1);
    ASSERT_EQ(LoadPicture(), 1);
    ReleaseDisplay();
    EXPECT_EQ(teardown, (std::vector<std::string>{"Release primarySurface", "Release pictureSurface",
                                                  "Release displayPalette", "Release directDraw"}));
    EXPECT_EQ(DirectDrawLiveObjects(), 0);
    EXPECT_FALSE(headless::DisplayOpen());
    teardown.clear();
    ReleaseDisplay();
    EXPECT_TRUE(teardown.empty());
}

}  // namespace
