// The SDL host: the program's 640 x 480 screen shown full screen on the desktop, scaled with its
// shape kept, one palette frame per display refresh, and the keyboard, pointer and window events
// handed on as the platform's input.
#include <SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <deque>

#include "host/host.h"
#include "host/sdl/frame_pacer.h"
#include "host/sdl/letterbox.h"
#include "host/sdl/palette_conversion.h"
#include "host/sdl/virtual_keys.h"

namespace {

const uint32_t virtualKeyAlt = 0x12;
const uint32_t virtualKeyF10 = 0x79;

struct SdlHost {
    bool videoTried = false;
    bool videoReady = false;
    int openDisplays = 0;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int modeWidth = 0;
    int modeHeight = 0;

    HostScreen screen = {};
    bool screenShown = false;
    bool converted = false;     // the texture holds the screen as it is now
    bool presentNeeded = true;  // the window needs drawing again
    uint32_t colours[256] = {};

    FramePacer pacer;
    unsigned losses = 0;
    bool focused = false;
    bool minimized = false;
    bool cursorVisible = true;
    std::deque<HostInput> inputs;

    bool reportStats = false;
    long frames = 0;
    int64_t openedAt = 0;
};

SdlHost sdl;

int64_t Now() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Sleeps until an absolute time, however often a signal interrupts the sleep.
void SleepUntil(int64_t deadline) {
    timespec until = {static_cast<time_t>(deadline / 1000000000), static_cast<long>(deadline % 1000000000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}

// SDL falls back to drivers that draw nowhere when there is no display; those count as a screen
// only when asked for by name.
bool IsOffscreenDriver(const char* driver) {
    return driver != nullptr && (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0);
}

bool StartVideo() {
    if (!sdl.videoTried) {
        sdl.videoTried = true;
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        sdl.videoReady = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        if (sdl.videoReady && SDL_getenv("SDL_VIDEODRIVER") == nullptr &&
            IsOffscreenDriver(SDL_GetCurrentVideoDriver())) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            sdl.videoReady = false;
        }
        if (sdl.videoReady) std::atexit(SDL_Quit);
    }
    return sdl.videoReady;
}

void ApplyCursor() {
    if (sdl.videoReady) SDL_ShowCursor(sdl.cursorVisible ? SDL_ENABLE : SDL_DISABLE);
}

void MakeTexture() {
    if (sdl.texture != nullptr) SDL_DestroyTexture(sdl.texture);
    sdl.texture = SDL_CreateTexture(sdl.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                    sdl.modeWidth, sdl.modeHeight);
    sdl.converted = false;
}

// Brings the texture up to date with the screen: only when the indices or the palette changed.
void Convert() {
    if (sdl.converted || sdl.texture == nullptr) return;
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(sdl.texture, nullptr, &pixels, &pitch) != 0) return;
    if (sdl.screenShown && sdl.screen.palette != nullptr) {
        BuildColourTable(sdl.screen.palette, sdl.colours);
    } else {
        for (uint32_t& colour : sdl.colours) colour = 0xFF000000u;
    }
    if (sdl.screenShown) {
        ConvertIndices(sdl.screen.pixels, sdl.screen.pitch, SDL_min(sdl.screen.width, sdl.modeWidth),
                       SDL_min(sdl.screen.height, sdl.modeHeight), sdl.colours, static_cast<uint32_t*>(pixels),
                       pitch);
    }
    SDL_UnlockTexture(sdl.texture);
    sdl.converted = true;
    sdl.presentNeeded = true;
}

void Present() {
    Convert();
    SDL_SetRenderDrawColor(sdl.renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl.renderer);
    if (sdl.texture != nullptr && sdl.screenShown) {
        int width = 0, height = 0;
        SDL_GetRendererOutputSize(sdl.renderer, &width, &height);
        Letterbox box = FitLetterbox(width, height, sdl.modeWidth, sdl.modeHeight);
        SDL_Rect where = {box.x, box.y, box.width, box.height};
        SDL_RenderCopy(sdl.renderer, sdl.texture, nullptr, &where);
    }
    SDL_RenderPresent(sdl.renderer);
    sdl.presentNeeded = false;
}

HostInput Input(HostInputKind kind) {
    HostInput input = {};
    input.kind = kind;
    return input;
}

void Push(HostInput input) { sdl.inputs.push_back(input); }

void PushActivation(bool active, bool minimized) {
    HostInput input = Input(HOST_INPUT_ACTIVATE);
    input.active = active;
    input.minimized = minimized;
    Push(input);
}

// The screen was taken away, as the platform takes it from a program that leaves full screen:
// its surfaces are lost until it is back.
void LoseScreen() { ++sdl.losses; }

void TranslateWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_CLOSE:
            Push(Input(HOST_INPUT_CLOSE));
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            sdl.focused = true;
            PushActivation(true, false);
            // The platform tells the window under the pointer to set its cursor.
            Push(Input(HOST_INPUT_POINTER));
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            sdl.focused = false;
            LoseScreen();
            PushActivation(false, (SDL_GetWindowFlags(sdl.window) & SDL_WINDOW_MINIMIZED) != 0);
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            sdl.minimized = true;
            LoseScreen();
            PushActivation(false, true);
            break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SHOWN:
            sdl.minimized = false;
            sdl.presentNeeded = true;
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            sdl.presentNeeded = true;
            break;
        default:
            break;
    }
}

void TranslateKey(const SDL_KeyboardEvent& event) {
    uint32_t virtualKey = VirtualKeyFor(event.keysym.sym);
    bool altDown = (event.keysym.mod & KMOD_ALT) != 0;
    // Keys with Alt, Alt itself and F10 go to the system, as on the platform.
    bool system = altDown || virtualKey == virtualKeyAlt || virtualKey == virtualKeyF10;
    HostInput input = Input(system ? HOST_INPUT_SYSKEY : HOST_INPUT_KEY);
    input.virtualKey = virtualKey;
    input.altDown = altDown;
    Push(input);
}

void Translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:  // the window manager, SIGTERM or SIGINT
            Push(Input(HOST_INPUT_CLOSE));
            break;
        case SDL_WINDOWEVENT:
            TranslateWindowEvent(event.window);
            break;
        case SDL_KEYDOWN:
            TranslateKey(event.key);
            break;
        case SDL_MOUSEMOTION:
            Push(Input(HOST_INPUT_POINTER));
            break;
        case SDL_MOUSEBUTTONDOWN: {
            HostInput input = Input(HOST_INPUT_POINTER);
            input.button = event.button.button == SDL_BUTTON_LEFT     ? 1
                           : event.button.button == SDL_BUTTON_MIDDLE ? 2
                                                                       : 3;
            Push(input);
            break;
        }
        case SDL_RENDER_TARGETS_RESET:
            LoseScreen();
            sdl.presentNeeded = true;
            break;
        case SDL_RENDER_DEVICE_RESET:
            LoseScreen();
            MakeTexture();
            break;
        default:
            break;
    }
}

void PumpEvents() {
    if (!sdl.videoReady) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) Translate(event);
}

void ReportStats() {
    double seconds = (Now() - sdl.openedAt) / 1e9;
    SDL_RendererInfo info;
    const char* renderer = SDL_GetRendererInfo(sdl.renderer, &info) == 0 ? info.name : "?";
    std::fprintf(stderr,
                 "lumivane: %ld frames in %.2f s (%.2f per second); %s renderer; paced by %s; refresh %.3f ms, "
                 "vsync measured at %.3f ms\n",
                 sdl.frames, seconds, seconds > 0 ? sdl.frames / seconds : 0.0, renderer,
                 sdl.pacer.vsync ? "vsync" : "clock", sdl.pacer.period / 1e6, sdl.pacer.measuredPeriod / 1e6);
}

}  // namespace

int32_t HostVetCall(const char*, uintptr_t, uintptr_t, uintptr_t, uintptr_t) { return 0; }

int HostOpenDisplay() {
    if (!StartVideo()) return 0;
    if (sdl.openDisplays > 0) return ++sdl.openDisplays;
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) return 0;
    sdl.window = SDL_CreateWindow("Lumivane", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, desktop.w, desktop.h,
                                  SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (sdl.window == nullptr) return 0;
    sdl.renderer = SDL_CreateRenderer(sdl.window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (sdl.renderer == nullptr) sdl.renderer = SDL_CreateRenderer(sdl.window, -1, 0);
    if (sdl.renderer == nullptr) {
        SDL_DestroyWindow(sdl.window);
        sdl.window = nullptr;
        return 0;
    }
    SDL_RendererInfo info;
    bool vsync = SDL_GetRendererInfo(sdl.renderer, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    SDL_DisplayMode current;
    int refresh = SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(sdl.window), &current) == 0 ? current.refresh_rate : 0;
    sdl.openedAt = Now();
    StartPacing(sdl.pacer, refresh, vsync, sdl.openedAt);
    sdl.reportStats = std::getenv("LUMIVANE_STATS") != nullptr;
    sdl.frames = 0;
    sdl.presentNeeded = true;
    ApplyCursor();
    sdl.openDisplays = 1;
    return 1;
}

void HostCloseDisplay() {
    if (sdl.openDisplays == 0 || --sdl.openDisplays > 0) return;
    if (sdl.reportStats) ReportStats();
    if (sdl.texture != nullptr) SDL_DestroyTexture(sdl.texture);
    SDL_DestroyRenderer(sdl.renderer);
    SDL_DestroyWindow(sdl.window);
    sdl.texture = nullptr;
    sdl.renderer = nullptr;
    sdl.window = nullptr;
    sdl.modeWidth = sdl.modeHeight = 0;
}

void HostDesktopSize(int* width, int* height) {
    SDL_DisplayMode desktop;
    if (StartVideo() && SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
        *width = desktop.w;
        *height = desktop.h;
    } else {
        *width = 640;
        *height = 480;
    }
}

int HostSetDisplayMode(int width, int height) {
    // The desktop keeps its mode: the program's screen is a texture scaled onto it.
    if (sdl.renderer == nullptr) return 0;
    sdl.modeWidth = width;
    sdl.modeHeight = height;
    MakeTexture();
    return sdl.texture != nullptr;
}

int HostSurfacePitch(int width) { return width; }

void HostShowScreen(const HostScreen* screen) {
    sdl.screenShown = screen != nullptr;
    if (screen != nullptr) sdl.screen = *screen;
    sdl.converted = false;
}

void HostWaitForVerticalBlank() {
    ++sdl.frames;
    if (sdl.renderer == nullptr) {
        if (sdl.pacer.period == 0) StartPacing(sdl.pacer, 0, false, Now());
        SleepUntil(NextDeadline(sdl.pacer, Now()));
        return;
    }
    if (sdl.pacer.vsync) {
        Present();
        int64_t sleepUntil = AfterVsyncPresent(sdl.pacer, Now());
        if (!sdl.pacer.vsync) SDL_RenderSetVSync(sdl.renderer, 0);
        if (sleepUntil != 0) SleepUntil(sleepUntil);
        return;
    }
    SleepUntil(NextDeadline(sdl.pacer, Now()));
    if (!sdl.converted || sdl.presentNeeded) Present();
}

unsigned HostScreenLosses() { return sdl.losses; }

int HostCanRestoreScreen() { return sdl.focused && !sdl.minimized; }

int HostPollInput(HostInput* input) {
    PumpEvents();
    if (sdl.inputs.empty()) return 0;
    *input = sdl.inputs.front();
    sdl.inputs.pop_front();
    return 1;
}

void HostWaitInput() {
    for (;;) {
        PumpEvents();
        if (!sdl.inputs.empty()) return;
        if (sdl.renderer != nullptr && (!sdl.converted || sdl.presentNeeded)) Present();
        SDL_Event event;
        // Without a screen nothing will ever arrive: ask the program to close instead of waiting.
        if (!sdl.videoReady || SDL_WaitEvent(&event) == 0) {
            Push(Input(HOST_INPUT_CLOSE));
            return;
        }
        Translate(event);
    }
}

void HostShowCursor(int visible) {
    sdl.cursorVisible = visible != 0;
    ApplyCursor();
}

void HostMessageBox(const char* text, const char* caption) {
    // Where no message box can be shown, the message goes to standard error.
    if (!StartVideo() || SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, sdl.window) != 0)
        std::fprintf(stderr, "%s: %s\n", caption, text);
}
