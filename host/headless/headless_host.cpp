#include "host/headless/headless_host.h"

#include <deque>
#include <map>
#include <stdexcept>
#include <string_view>

namespace {

struct Scheduled {
    unsigned refresh;
    HostInput input;
};

struct State {
    int desktopWidth = 1280;
    int desktopHeight = 720;
    int modeWidth = 0;
    int modeHeight = 0;
    int surfacePitch = 0;
    bool refuseDisplay = false;
    int openDisplays = 0;
    unsigned losses = 0;
    bool restorable = true;
    std::map<std::string, std::deque<int32_t>, std::less<>> failures;
    std::vector<headless::CallRecord> calls;
    bool recordCalls = true;
    std::function<void(const headless::CallRecord&)> observer;
    std::deque<HostInput> ready;
    std::deque<Scheduled> scheduled;  // in order of refresh
    int starvations = 0;
    unsigned refreshes = 0;
    bool screenShown = false;
    HostScreen screen = {};
    bool cursorVisible = true;
    std::vector<headless::MessageBoxShown> messageBoxes;
};

State state;

void ReleaseDueInput() {
    while (!state.scheduled.empty() && state.scheduled.front().refresh <= state.refreshes) {
        state.ready.push_back(state.scheduled.front().input);
        state.scheduled.pop_front();
    }
}

HostInput MakeInput(HostInputKind kind) {
    HostInput input = {};
    input.kind = kind;
    return input;
}

}  // namespace

int32_t HostVetCall(const char* call, uintptr_t arg0, uintptr_t arg1, uintptr_t arg2, uintptr_t arg3) {
    headless::CallRecord record = {call, {arg0, arg1, arg2, arg3}};
    if (state.recordCalls) state.calls.push_back(record);
    if (state.observer) state.observer(record);
    if (state.failures.empty()) return 0;
    auto planned = state.failures.find(std::string_view(call));
    if (planned == state.failures.end()) return 0;
    int32_t result = planned->second.front();
    planned->second.pop_front();
    if (planned->second.empty()) state.failures.erase(planned);
    return result;
}

int HostOpenDisplay() {
    if (state.refuseDisplay) return 0;
    ++state.openDisplays;
    return 1;
}

void HostCloseDisplay() {
    if (state.openDisplays > 0 && --state.openDisplays == 0) state.modeWidth = state.modeHeight = 0;
}

void HostDesktopSize(int* width, int* height) {
    *width = state.desktopWidth;
    *height = state.desktopHeight;
}

int HostSetDisplayMode(int width, int height) {
    if (state.openDisplays == 0) return 0;
    state.modeWidth = width;
    state.modeHeight = height;
    return 1;
}

int HostSurfacePitch(int width) { return state.surfacePitch > width ? state.surfacePitch : width; }

void HostShowScreen(const HostScreen* screen) {
    state.screenShown = screen != nullptr;
    state.screen = screen != nullptr ? *screen : HostScreen{};
}

void HostWaitForVerticalBlank() { ++state.refreshes; }

unsigned HostScreenLosses() { return state.losses; }

int HostCanRestoreScreen() { return state.restorable ? 1 : 0; }

int HostPollInput(HostInput* input) {
    ReleaseDueInput();
    if (state.ready.empty()) return 0;
    *input = state.ready.front();
    state.ready.pop_front();
    return 1;
}

void HostWaitInput() {
    ReleaseDueInput();
    if (!state.ready.empty()) return;
    if (!state.scheduled.empty()) {
        // Sleeping until the next scripted input: the refreshes in between still pass.
        state.refreshes = state.scheduled.front().refresh;
        ReleaseDueInput();
        return;
    }
    if (++state.starvations == 1) {
        state.ready.push_back(headless::Close());
        return;
    }
    throw std::runtime_error("headless host: the program waits for input that will never come");
}

void HostShowCursor(int visible) { state.cursorVisible = visible != 0; }

void HostMessageBox(const char* text, const char* caption) { state.messageBoxes.push_back({text, caption}); }

namespace headless {

void Reset() { state = State(); }

void Fail(const char* call, int32_t result, int times) {
    auto& answers = state.failures[call];
    for (int i = 0; i < times; ++i) answers.push_back(result);
    if (answers.empty()) state.failures.erase(call);
}

void RefuseDisplay(bool refuse) { state.refuseDisplay = refuse; }
void LoseScreen() { ++state.losses; }
void SetRestorable(bool restorable) { state.restorable = restorable; }
void SetSurfacePitch(int pitch) { state.surfacePitch = pitch; }

const std::vector<CallRecord>& Calls() { return state.calls; }

std::vector<std::string> CallNames() {
    std::vector<std::string> names;
    for (const CallRecord& record : state.calls) names.emplace_back(record.call);
    return names;
}

void ClearCalls() { state.calls.clear(); }
void RecordCalls(bool record) { state.recordCalls = record; }
void OnCall(std::function<void(const CallRecord&)> observer) { state.observer = std::move(observer); }

void PushInput(const HostInput& input) { state.ready.push_back(input); }

void ScheduleInput(unsigned refresh, const HostInput& input) {
    auto at = state.scheduled.begin();
    while (at != state.scheduled.end() && at->refresh <= refresh) ++at;
    state.scheduled.insert(at, {refresh, input});
}

HostInput Key(uint32_t virtualKey) {
    HostInput input = MakeInput(HOST_INPUT_KEY);
    input.virtualKey = virtualKey;
    return input;
}

HostInput SysKey(uint32_t virtualKey, bool altDown) {
    HostInput input = MakeInput(HOST_INPUT_SYSKEY);
    input.virtualKey = virtualKey;
    input.altDown = altDown ? 1 : 0;
    return input;
}

HostInput Activate(bool active, bool minimized) {
    HostInput input = MakeInput(HOST_INPUT_ACTIVATE);
    input.active = active ? 1 : 0;
    input.minimized = minimized ? 1 : 0;
    return input;
}

HostInput Pointer(int button) {
    HostInput input = MakeInput(HOST_INPUT_POINTER);
    input.button = button;
    return input;
}

HostInput Close() { return MakeInput(HOST_INPUT_CLOSE); }

int Starvations() { return state.starvations; }
unsigned Refreshes() { return state.refreshes; }
bool DisplayOpen() { return state.openDisplays > 0; }
int ScreenWidth() { return state.screen.width; }
int ScreenHeight() { return state.screen.height; }
bool ScreenShown() { return state.screenShown; }

uint8_t ScreenIndex(int x, int y) {
    if (!state.screenShown || x < 0 || y < 0 || x >= state.screen.width || y >= state.screen.height) return 0;
    return state.screen.pixels[static_cast<size_t>(y) * state.screen.pitch + x];
}

Rgb ScreenColor(uint8_t index) {
    if (!state.screenShown || state.screen.palette == nullptr) return {0, 0, 0};
    const uint8_t* entry = state.screen.palette + 4 * index;
    return {entry[0], entry[1], entry[2]};
}

Rgb ScreenPixel(int x, int y) {
    if (!state.screenShown || x < 0 || y < 0 || x >= state.screen.width || y >= state.screen.height)
        return {0, 0, 0};
    return ScreenColor(ScreenIndex(x, y));
}

bool CursorVisible() { return state.cursorVisible; }
const std::vector<MessageBoxShown>& MessageBoxes() { return state.messageBoxes; }

}  // namespace headless
