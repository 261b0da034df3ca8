#include "shell/main_window.h"

#include "display/display_objects.h"
#include "display/display_setup.h"
#include "display/presenting.h"
#include "palette/palette_animator.h"
#include "shell/startup.h"

HWND mainWindow = NULL;
int32_t appActive = 0;

namespace {

const char windowName[] = "Lumivane";

// A counter past the end of any scheme: the next frame starts the next scheme.
const int32_t skipToNextScheme = 999999;

void HandleKey(WPARAM key) {
    if (screensaverMode || key == VK_ESCAPE || key == VK_F12)
        PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    else
        frameCounter = skipToNextScheme;
}

}  // namespace

int CreateMainWindow(HINSTANCE instance, int showCommand) {
    WNDCLASSA windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(NULL, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = NULL;
    windowClass.lpszMenuName = NULL;
    windowClass.lpszClassName = windowName;
    RegisterClassA(&windowClass);

    // As large as the screen before the display mode changes.
    mainWindow = CreateWindowExA(0, windowName, windowName, WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                 GetSystemMetrics(SM_CYSCREEN), NULL, NULL, instance, NULL);
    if (mainWindow == NULL) return 0;
    ShowWindow(mainWindow, showCommand);
    UpdateWindow(mainWindow);
    ShowCursor(FALSE);
    return 1;
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            ReleaseDisplay();
            PostQuitMessage(0);
            break;
        case WM_ACTIVATE:
            // Kept whole: a deactivation while minimised has a non-zero high word and keeps frames going.
            appActive = static_cast<int32_t>(wParam);
            break;
        case WM_SETCURSOR:
            SetCursor(NULL);
            if (displayReady) PresentPicture();
            break;
        case WM_KEYDOWN:
            HandleKey(wParam);
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
