// Window classes, windows and the default window procedure.
#include <cctype>
#include <map>
#include <string>

#include "host/host.h"
#include "shell/win32/process_state.h"
#include "shell/win32/win32_api.h"
#include "shell/win32/window_registry.h"

namespace {

struct RegisteredClass {
    WNDPROC procedure;
    HCURSOR cursor;
};

std::map<std::string, RegisteredClass> classes;  // keyed by lower-case name: class names ignore case
std::map<uintptr_t, Win32Window> windows;
uintptr_t lastHandle = 0;
HWND inputWindow = nullptr;

std::string ClassKey(LPCSTR name) {
    std::string key(name);
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace

Win32Window* Win32FindWindow(HWND window) {
    auto found = windows.find(reinterpret_cast<uintptr_t>(window));
    return found == windows.end() ? nullptr : &found->second;
}

HWND Win32InputWindow() { return Win32FindWindow(inputWindow) ? inputWindow : nullptr; }

void Win32PlaceWindow(HWND window, int x, int y, int width, int height) {
    if (Win32Window* w = Win32FindWindow(window)) w->screenRect = {x, y, x + width, y + height};
}

void Win32ResetWindows() {
    classes.clear();
    windows.clear();
    inputWindow = nullptr;
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (instance != nullptr || name != IDI_APPLICATION) return nullptr;
    return reinterpret_cast<HICON>(const_cast<char*>(IDI_APPLICATION));
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (instance != nullptr || name != IDC_ARROW) return nullptr;
    return reinterpret_cast<HCURSOR>(const_cast<char*>(IDC_ARROW));
}

WORD WINAPI RegisterClassA(const WNDCLASSA* windowClass) {
    if (HostVetCall("RegisterClassA", reinterpret_cast<uintptr_t>(windowClass)) != 0) return 0;
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr || windowClass->lpfnWndProc == nullptr)
        return 0;
    std::string key = ClassKey(windowClass->lpszClassName);
    if (classes.count(key) != 0) return 0;
    classes[key] = {windowClass->lpfnWndProc, windowClass->hCursor};
    return static_cast<WORD>(0xC000 + classes.size());
}

int WINAPI GetSystemMetrics(int index) {
    int width = 0, height = 0;
    HostDesktopSize(&width, &height);
    if (index == SM_CXSCREEN) return width;
    if (index == SM_CYSCREEN) return height;
    return 0;
}

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y, int width,
                            int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID createParam) {
    (void)exStyle, (void)title, (void)parent, (void)menu, (void)instance, (void)createParam;
    if (HostVetCall("CreateWindowExA", style, static_cast<uintptr_t>(width), static_cast<uintptr_t>(height)) != 0)
        return nullptr;
    if (className == nullptr) return nullptr;
    auto registered = classes.find(ClassKey(className));
    if (registered == classes.end()) return nullptr;
    HWND handle = reinterpret_cast<HWND>(++lastHandle);
    windows[lastHandle] = {registered->second.procedure, registered->second.cursor,
                           {x, y, x + width, y + height}, (style & WS_VISIBLE) != 0};
    return handle;
}

BOOL WINAPI ShowWindow(HWND window, int showCommand) {
    HostVetCall("ShowWindow", reinterpret_cast<uintptr_t>(window), static_cast<uintptr_t>(showCommand));
    Win32Window* w = Win32FindWindow(window);
    if (w == nullptr) return FALSE;
    BOOL wasVisible = w->visible;
    w->visible = showCommand != SW_HIDE;
    if (w->visible) inputWindow = window;
    return wasVisible;
}

BOOL WINAPI UpdateWindow(HWND window) {
    HostVetCall("UpdateWindow", reinterpret_cast<uintptr_t>(window));
    return Win32FindWindow(window) != nullptr;
}

BOOL WINAPI DestroyWindow(HWND window) {
    HostVetCall("DestroyWindow", reinterpret_cast<uintptr_t>(window));
    Win32Window* w = Win32FindWindow(window);
    if (w == nullptr) return FALSE;
    WNDPROC procedure = w->procedure;
    // The window still exists while it handles WM_DESTROY, as on the platform.
    procedure(window, WM_DESTROY, 0, 0);
    windows.erase(reinterpret_cast<uintptr_t>(window));
    return TRUE;
}

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Window* w = Win32FindWindow(window);
    if (w == nullptr) return 0;
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && w->classCursor != nullptr) {
                SetCursor(w->classCursor);
                return TRUE;
            }
            return FALSE;
        case WM_SYSKEYDOWN:
            // Alt+F4 asks the window to close, the one system key the platform handles by default.
            if (wParam == VK_F4 && (lParam & (1 << 29)) != 0) return w->procedure(window, WM_CLOSE, 0, 0);
            return 0;
        default:
            return 0;
    }
}

BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
    Win32Window* w = Win32FindWindow(window);
    if (w == nullptr || rect == nullptr) return FALSE;
    *rect = {0, 0, w->screenRect.right - w->screenRect.left, w->screenRect.bottom - w->screenRect.top};
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND window, LPPOINT point) {
    Win32Window* w = Win32FindWindow(window);
    if (w == nullptr || point == nullptr) return FALSE;
    point->x += w->screenRect.left;
    point->y += w->screenRect.top;
    return TRUE;
}

BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
    if (rect == nullptr) return FALSE;
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return TRUE;
}
