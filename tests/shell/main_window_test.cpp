#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <cstring>

#include "display/display_objects.h"
#include "palette/palette_animator.h"
#include "shell/startup.h"
#include "shell/win32/window_registry.h"
#include "tests/support/program_fixture.h"

namespace {

class MainWindowTest : public ProgramTest {
protected:
    // Hands every waiting message to its window, as the message loop would, and says whether the
    // program asked to end.
    bool DispatchWaiting() {
        MSG msg;
        bool quit = false;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return quit;
    }

};

TEST_F(MainWindowTest, RegistersThePopUpClassAndShowsTheWindowWithoutCursor) {
    WNDCLASSA registered = {};
    std::string className;
    headless::OnCall([&](const headless::CallRecord& call) {
        if (std::strcmp(call.call, "RegisterClassA") != 0) return;
        registered = *reinterpret_cast<const WNDCLASSA*>(call.args[0]);
        className = registered.lpszClassName;
    });
    ASSERT_EQ(CreateMainWindow(Win32ModuleInstance(), SW_SHOWMAXIMIZED), 1);

    EXPECT_EQ(registered.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(registered.lpfnWndProc, MainWndProc);
    EXPECT_EQ(registered.cbClsExtra, 0);
    EXPECT_EQ(registered.cbWndExtra, 0);
    EXPECT_EQ(registered.hInstance, Win32ModuleInstance());
    EXPECT_EQ(registered.hIcon, LoadIconA(NULL, IDI_APPLICATION));
    EXPECT_EQ(registered.hCursor, LoadCursorA(NULL, IDC_ARROW));
    EXPECT_EQ(registered.hbrBackground, nullptr);
    EXPECT_EQ(registered.lpszMenuName, nullptr);
    EXPECT_EQ(className, "Lumivane");

    EXPECT_EQ(headless::CallNames(),
              (std::vector<std::string>{"RegisterClassA", "CreateWindowExA", "ShowWindow", "UpdateWindow"}));
    const headless::CallRecord& create = headless::Calls()[1];
    EXPECT_EQ(create.args[0], WS_POPUP) << "not visible until shown";
    EXPECT_EQ(create.args[1], 1280u) << "as wide as the desktop";
    EXPECT_EQ(create.args[2], 720u);
    EXPECT_EQ(headless::Calls()[2].args[1], static_cast<uintptr_t>(SW_SHOWMAXIMIZED));
    ASSERT_NE(Win32FindWindow(mainWindow), nullptr);
    EXPECT_TRUE(Win32FindWindow(mainWindow)->visible);
    EXPECT_FALSE(headless::CursorVisible());
}

TEST_F(MainWindowTest, NoWindowMeansZeroAndNothingShown) {
    headless::Fail("CreateWindowExA", 1);
    EXPECT_EQ(CreateMainWindow(Win32ModuleInstance(), SW_SHOWDEFAULT), 0);
    EXPECT_EQ(mainWindow, nullptr);
    EXPECT_EQ(CountCalls("ShowWindow"), 0);
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

struct KeyCase {
    const char* name;
    bool screensaver;
    HostInput input;
    bool closes;
    bool skips;
};

TEST_F(MainWindowTest, Keys) {
    using headless::Key;
    using headless::SysKey;
    const KeyCase cases[] = {
        {"Escape", false, Key(VK_ESCAPE), true, false},
        {"F12", false, Key(VK_F12), true, false},
        {"a letter", false, Key('A'), false, true},
        {"a digit", false, Key('5'), false, true},
        {"space", false, Key(VK_SPACE), false, true},
        {"return", false, Key(VK_RETURN), false, true},
        {"F1", false, Key(VK_F1), false, true},
        {"an arrow", false, Key(VK_LEFT), false, true},
        {"F10 is a system key", false, SysKey(VK_F10, false), false, false},
        {"Alt+X is a system key", false, SysKey('X', true), false, false},
        {"Alt+Escape is a system key", false, SysKey(VK_ESCAPE, true), false, false},
        {"Alt+F4 closes by the platform's default", false, SysKey(VK_F4, true), true, false},
        {"screensaver: a letter", true, Key('A'), true, false},
        {"screensaver: Escape", true, Key(VK_ESCAPE), true, false},
        {"screensaver: space", true, Key(VK_SPACE), true, false},
        {"screensaver: F1", true, Key(VK_F1), true, false},
        {"screensaver: F10 is a system key", true, SysKey(VK_F10, false), false, false},
        {"screensaver: Alt+X is a system key", true, SysKey('X', true), false, false},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        SetUpShownPicture();
        screensaverMode = c.screensaver;
        frameCounter = 17;
        headless::PushInput(c.input);

        bool quit = DispatchWaiting();

        EXPECT_EQ(quit, c.closes);
        EXPECT_EQ(Win32FindWindow(mainWindow) == nullptr, c.closes);
        EXPECT_EQ(directDraw == nullptr, c.closes) << "closing releases the display";
        EXPECT_EQ(frameCounter, c.skips ? 999999 : 17);
    }
}

TEST_F(MainWindowTest, SkippingFromTheLastSchemeGoesBackToTheFirst) {
    SetUpShownPicture();
    schemeIndex = 3;
    frameCounter = 5;
    headless::PushInput(headless::Key('N'));
    DispatchWaiting();
    StepPalette();
    EXPECT_EQ(schemeIndex, 0);
    EXPECT_EQ(frameCounter, 0);
}

TEST_F(MainWindowTest, PointerNeverClosesOrSkipsAndRepaintsOnceTheDisplayIsReady) {
    for (bool screensaver : {false, true}) {
        for (int button : {0, 1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "screensaver " << screensaver << " button " << button);
            TearDown();
            SetUp();
            screensaverMode = screensaver;
            ASSERT_EQ(CreateMainWindow(Win32ModuleInstance(), SW_SHOWDEFAULT), 1);
            headless::PushInput(headless::Pointer(button));
            EXPECT_FALSE(DispatchWaiting());
            EXPECT_EQ(CountCalls("Blt"), 0) << "no display yet: the cursor is only hidden";

            SetUpWindowAndDisplay();
            headless::ClearCalls();
            frameCounter = 17;
            headless::PushInput(headless::Pointer(button));
            EXPECT_FALSE(DispatchWaiting());
            EXPECT_EQ(CountCalls("Blt"), 1);
            EXPECT_NE(Win32FindWindow(mainWindow), nullptr);
            EXPECT_EQ(frameCounter, 17);
            EXPECT_FALSE(headless::CursorVisible());
        }
    }
}

struct ActivationCase {
    const char* name;
    HostInput input;
    int32_t appActive;
};

TEST_F(MainWindowTest, ActivationKeepsTheWholeWParam) {
    const ActivationCase cases[] = {
        {"activated", headless::Activate(true), WA_ACTIVE},
        {"deactivated", headless::Activate(false), 0},
        {"deactivated while minimised", headless::Activate(false, true), MAKELONG(WA_INACTIVE, 1)},
    };
    for (const ActivationCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        ASSERT_EQ(CreateMainWindow(Win32ModuleInstance(), SW_SHOWDEFAULT), 1);
        appActive = 99;
        headless::PushInput(c.input);
        DispatchWaiting();
        EXPECT_EQ(appActive, c.appActive);
    }
}

TEST_F(MainWindowTest, DestroyReleasesTheDisplayAndPostsQuitZero) {
    SetUpShownPicture();
    DestroyWindow(mainWindow);
    EXPECT_EQ(directDraw, nullptr);
    EXPECT_EQ(DirectDrawLiveObjects(), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST_F(MainWindowTest, MessagesForAWindowThatIsGoneAreDropped) {
    SetUpShownPicture();
    HWND window = mainWindow;
    PostMessageA(window, WM_KEYDOWN, 'A', 0);
    DestroyWindow(window);
    EXPECT_TRUE(DispatchWaiting());
    EXPECT_EQ(frameCounter, 0);
    EXPECT_EQ(PostMessageA(window, WM_CLOSE, 0, 0), FALSE);
}

}  // namespace
