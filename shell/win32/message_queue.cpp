// The thread's message queue: posted messages, host input turned into window messages, and the
// quit message.
#include <deque>

#include "host/host.h"
#include "shell/win32/process_state.h"
#include "shell/win32/win32_api.h"
#include "shell/win32/window_registry.h"

namespace {

std::deque<MSG> queue;

LPARAM KeyData(bool altDown) {
    // A repeat count of 1; bit 29 is the context code, set while Alt is held.
    return static_cast<LPARAM>(1u | (altDown ? 1u << 29 : 0u));
}

void Enqueue(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg = {};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    queue.push_back(msg);
}

UINT PointerMessage(int button) {
    switch (button) {
        case 1: return WM_LBUTTONDOWN;
        case 2: return WM_MBUTTONDOWN;
        case 3: return WM_RBUTTONDOWN;
        default: return WM_MOUSEMOVE;
    }
}

// Moves waiting host input into the queue as the messages the platform would send.
void PumpHostInput() {
    HostInput input;
    while (HostPollInput(&input)) {
        HWND window = Win32InputWindow();
        if (window == nullptr) continue;
        switch (input.kind) {
            case HOST_INPUT_KEY:
                Enqueue(window, WM_KEYDOWN, input.virtualKey, KeyData(false));
                break;
            case HOST_INPUT_SYSKEY:
                Enqueue(window, WM_SYSKEYDOWN, input.virtualKey, KeyData(input.altDown != 0));
                break;
            case HOST_INPUT_ACTIVATE:
                Enqueue(window, WM_ACTIVATE,
                        MAKEWPARAM(input.active ? WA_ACTIVE : WA_INACTIVE, input.minimized ? 1 : 0), 0);
                break;
            case HOST_INPUT_POINTER:
                Enqueue(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                        MAKELPARAM(HTCLIENT, PointerMessage(input.button)));
                break;
            case HOST_INPUT_CLOSE:
                Enqueue(window, WM_CLOSE, 0, 0);
                break;
        }
    }
}

bool Matches(const MSG& msg, HWND window, UINT filterMin, UINT filterMax) {
    if (window != nullptr && msg.hwnd != window) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return msg.message >= filterMin && msg.message <= filterMax;
}

bool TakeMatching(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, bool remove) {
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!Matches(*it, window, filterMin, filterMax)) continue;
        *msg = *it;
        if (remove) queue.erase(it);
        return true;
    }
    return false;
}

}  // namespace

void Win32ResetMessages() { queue.clear(); }

BOOL WINAPI PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (msg == nullptr) return FALSE;
    PumpHostInput();
    return TakeMatching(msg, window, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL WINAPI GetMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax) {
    if (msg == nullptr) return -1;
    for (;;) {
        PumpHostInput();
        if (TakeMatching(msg, window, filterMin, filterMax, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
        HostWaitInput();
    }
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
    // Lumivane reacts to key presses only, so no character messages are made.
    return msg != nullptr && (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN);
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    if (msg == nullptr) return 0;
    Win32Window* w = Win32FindWindow(msg->hwnd);
    if (w == nullptr) return 0;  // thread messages and messages for windows that are gone
    return w->procedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL WINAPI WaitMessage(void) {
    HostVetCall("WaitMessage");
    PumpHostInput();
    while (queue.empty()) {
        HostWaitInput();
        PumpHostInput();
    }
    return TRUE;
}

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && Win32FindWindow(window) == nullptr) return FALSE;
    Enqueue(window, message, wParam, lParam);
    return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
    Enqueue(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}
