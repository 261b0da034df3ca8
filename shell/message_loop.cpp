#include "shell/message_loop.h"

#include "palette/palette_animator.h"
#include "shell/main_window.h"

int RunMessageLoop() {
    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) {
            if (!GetMessageA(&msg, NULL, 0, 0)) return static_cast<int>(msg.wParam);
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else if (appActive) {
            StepPalette();
        } else {
            WaitMessage();
        }
    }
}
