#include "tests/support/program_fixture.h"

#include <algorithm>
#include <cstring>

#include "display/display_objects.h"
#include "display/display_setup.h"
#include "display/presenting.h"
#include "palette/color_schemes.h"
#include "palette/palette_animator.h"
#include "palette/random_colors.h"
#include "picture/picture_loader.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "shell/win32/process_state.h"
#include "shell/win32/window_registry.h"

void ResetProgramState() {
    headless::Reset();
    Win32ResetState();
    frameCounter = 0;
    schemeIndex = 0;
    std::memset(workingPalette, 0, sizeof workingPalette);
    std::memset(gradientTable, 0, sizeof gradientTable);
    randomSeed = 1;
    appActive = 0;
    mainWindow = NULL;
    displayReady = 0;
    screensaverMode = 0;
    directDraw = NULL;
    primarySurface = NULL;
    pictureSurface = NULL;
    displayPalette = NULL;
}

void ProgramTest::SetUp() {
    ResetProgramState();
    ASSERT_EQ(DirectDrawLiveObjects(), 0) << "an earlier test left DirectDraw objects alive";
}

void ProgramTest::TearDown() {
    ReleaseDisplay();
    EXPECT_EQ(DirectDrawLiveObjects(), 0) << "DirectDraw objects outlive the program's release";
}

void ProgramTest::SetUpWindowAndDisplay() {
    ASSERT_EQ(CreateMainWindow(Win32ModuleInstance(), SW_SHOWDEFAULT), 1);
    ASSERT_EQ(InitDisplay(mainWindow), 1);
}

void ProgramTest::SetUpShownPicture() {
    SetUpWindowAndDisplay();
    ASSERT_EQ(LoadPicture(), 1);
    PresentPicture();
}

std::vector<std::string> CallsFrom(const char* from) {
    std::vector<std::string> names = headless::CallNames();
    auto first = std::find(names.begin(), names.end(), from);
    return std::vector<std::string>(first, names.end());
}

int CountCalls(const char* name) {
    int count = 0;
    for (const headless::CallRecord& call : headless::Calls()) count += std::strcmp(call.call, name) == 0;
    return count;
}

int RunWinMain(const char* commandLine) {
    std::vector<char> line(commandLine, commandLine + std::strlen(commandLine) + 1);
    return WinMain(Win32ModuleInstance(), NULL, line.data(), SW_SHOWDEFAULT);
}
