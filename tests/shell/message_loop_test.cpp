#include "shell/message_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "display/display_objects.h"
#include "shell/main_window.h"
#include "shell/win32/window_registry.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/program_fixture.h"

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
    unsigned refresh;
};

std::vector<Seen> seen;

// A window that notes each key and ends the loop with the quit code 7 when it is destroyed.
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) seen.push_back({message, wParam, headless::Refreshes()});
    if (message == WM_DESTROY) PostQuitMessage(7);
    return DefWindowProcA(window, message, wParam, lParam);
}

class MessageLoopTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        seen.clear();
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.lpszClassName = "Recorder";
        RegisterClassA(&windowClass);
        window = CreateWindowExA(0, "Recorder", "Recorder", WS_POPUP, 0, 0, 640, 480, NULL, NULL, NULL, NULL);
        ShowWindow(window, SW_SHOW);
        ASSERT_NE(window, nullptr);
    }

    // Frames need a display to wait on; the window above takes the messages.
    void SetUpDisplay() {
        ASSERT_EQ(DirectDrawCreate(NULL, &directDraw, NULL), DD_OK);
    }

    HWND window = nullptr;
};

TEST_F(MessageLoopTest, DrainsEveryWaitingMessageBeforeTheNextFrame) {
    SetUpDisplay();
    appActive = 1;
    for (uint32_t key : {'A', 'B', 'C'}) headless::ScheduleInput(2, headless::Key(key));
    headless::ScheduleInput(4, headless::Close());
    EXPECT_EQ(RunMessageLoop(), 7);
    ASSERT_EQ(seen.size(), 3u);
    for (const Seen& s : seen) EXPECT_EQ(s.refresh, 2u) << "key " << s.wParam;
    EXPECT_EQ(CountCalls("WaitForVerticalBlank"), 4);
}

TEST_F(MessageLoopTest, InactiveLoopSleepsAndRunsNoFrame) {
    SetUpDisplay();
    appActive = 0;
    headless::ScheduleInput(50, headless::Key('K'));
    headless::ScheduleInput(90, headless::Close());
    EXPECT_EQ(RunMessageLoop(), 7);
    EXPECT_EQ(CountCalls("WaitForVerticalBlank"), 0);
    EXPECT_GE(CountCalls("WaitMessage"), 2);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].refresh, 50u) << "the key arrives once the loop has slept until it came";
    EXPECT_EQ(headless::Starvations(), 0);
}

TEST_F(MessageLoopTest, QuitDuringAFrameEndsTheLoopAfterThatFrame) {
    SetUpDisplay();
    appActive = 1;
    headless::OnCall([](const headless::CallRecord& call) {
        if (std::string(call.call) == "WaitForVerticalBlank" && headless::Refreshes() == 2) PostQuitMessage(3);
    });
    EXPECT_EQ(RunMessageLoop(), 3);
    EXPECT_EQ(headless::Refreshes(), 3u);
}

TEST_F(MessageLoopTest, ExitCodeIsTheQuitMessagesValue) {
    for (int code : {0, 1, 42, -1}) {
        PostQuitMessage(code);
        EXPECT_EQ(RunMessageLoop(), code);
    }
}

TEST_F(MessageLoopTest, FramesAllocateNothing) {
    SetUpDisplay();
    PALETTEENTRY black[256] = {};
    ASSERT_EQ(directDraw->CreatePalette(DDPCAPS_8BIT, black, &displayPalette, NULL), DD_OK);
    headless::RecordCalls(false);
    appActive = 1;
    headless::OnCall([](const headless::CallRecord& call) {
        if (std::string_view(call.call) != "WaitForVerticalBlank") return;
        if (headless::Refreshes() == 10) StartCountingAllocations();
        if (headless::Refreshes() == 5000) {
            StopCountingAllocations();
            PostQuitMessage(0);
        }
    });
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_EQ(CountedAllocations(), 0) << "allocations over 4990 frames";
}

}  // namespace
