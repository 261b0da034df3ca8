#include "capture/capture_session.h"

#include <cstring>
#include <ctime>
#include <vector>

#include "capture/gif_output.h"
#include "capture/output_file.h"
#include "capture/png_output.h"
#include "host/headless/headless_host.h"
#include "palette/random_colors.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "shell/win32/window_registry.h"

namespace {

const int screenWidth = 640;
const int screenHeight = 480;

struct Recorder {
    const CaptureOptions* options = nullptr;
    OutputFile palettes;
    GifOutput gif;
    std::vector<uint8_t> indices = std::vector<uint8_t>(screenWidth * screenHeight);
    std::vector<uint8_t> rgb = std::vector<uint8_t>(screenWidth * screenHeight * 3);
    bool startShown = false;  // the screen before the first frame has been recorded
    std::string error;
};

Recorder recorder;

// Something could not be written: the program is asked to close, and nothing more is recorded.
void Fail(const std::string& error) {
    if (!recorder.error.empty()) return;
    recorder.error = error;
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
}

void ReadIndices() {
    for (int y = 0; y < screenHeight; ++y)
        for (int x = 0; x < screenWidth; ++x)
            recorder.indices[y * screenWidth + x] = headless::ScreenIndex(x, y);
}

// The screen's colours through `palette` (red, green, blue, flags per entry).
void ColourIndices(const uint8_t* palette) {
    for (size_t i = 0; i < recorder.indices.size(); ++i) std::memcpy(&recorder.rgb[3 * i], palette + 4 * recorder.indices[i], 3);
}

void WritePictures(long frame, const uint8_t* palette) {
    for (const PictureRequest& picture : recorder.options->pictures) {
        if (picture.frame != frame) continue;
        ReadIndices();
        ColourIndices(palette);
        std::string error;
        if (!WritePng(picture.path, recorder.rgb.data(), screenWidth, screenHeight, &error)) Fail(error);
    }
}

void RecordStart() {
    recorder.startShown = true;
    uint8_t palette[256 * 4];
    for (int i = 0; i < 256; ++i) {
        headless::Rgb colour = headless::ScreenColor(static_cast<uint8_t>(i));
        palette[4 * i] = colour.red, palette[4 * i + 1] = colour.green, palette[4 * i + 2] = colour.blue;
        palette[4 * i + 3] = 0;
    }
    WritePictures(0, palette);
}

// GIF delays are whole hundredths of a second; below two, viewers slow a frame right down.
int GifDelay(long frames) {
    long hundredths = (frames * 100 + 30) / 60;
    return static_cast<int>(hundredths < 2 ? 2 : hundredths);
}

void RecordFrame(long frame, const uint8_t* palette) {
    if (recorder.palettes.stream != nullptr) WriteOutput(&recorder.palettes, palette, 256 * 4);
    if (recorder.gif.gif != nullptr && frame % recorder.options->gifEvery == 0) {
        ReadIndices();
        std::string error;
        if (!AddGifFrame(&recorder.gif, recorder.indices.data(), screenWidth, palette,
                         GifDelay(recorder.options->gifEvery), &error))
            Fail(error);
    }
    WritePictures(frame, palette);
}

void Observe(const headless::CallRecord& call) {
    if (!recorder.error.empty()) return;
    bool frameBegins = std::strcmp(call.call, "WaitForVerticalBlank") == 0;
    bool programEnds = std::strcmp(call.call, "Release") == 0;
    if ((frameBegins || programEnds) && !recorder.startShown) RecordStart();
    // The frame's wait has passed: these are the entries it loads.
    if (std::strcmp(call.call, "SetEntries") == 0)
        RecordFrame(static_cast<long>(headless::Refreshes()), reinterpret_cast<const uint8_t*>(call.args[3]));
}

int OpenOutputs(const CaptureOptions& options, std::string* error) {
    if (!options.palettesPath.empty() && !OpenOutput(&recorder.palettes, options.palettesPath, error)) return 0;
    if (!options.gifPath.empty() && !OpenGif(&recorder.gif, options.gifPath, screenWidth, screenHeight, error)) {
        AbandonOutput(&recorder.palettes);
        return 0;
    }
    return 1;
}

int CloseOutputs(std::string* error) {
    bool palettesOk = recorder.palettes.stream == nullptr || CommitOutput(&recorder.palettes, error);
    if (!palettesOk) {
        AbandonGif(&recorder.gif);
        return 0;
    }
    return recorder.gif.gif == nullptr || FinishGif(&recorder.gif, error);
}

}  // namespace

int RunCapture(const CaptureOptions& options, std::string* error) {
    recorder = Recorder();
    recorder.options = &options;
    if (!OpenOutputs(options, error)) return 1;

    headless::Reset();
    headless::RecordCalls(false);
    headless::OnCall(Observe);
    // The window is active from the start; a key for frame n arrives once frame n - 1 is over.
    headless::PushInput(headless::Activate(true));
    for (const KeyPress& key : options.keys)
        headless::ScheduleInput(static_cast<unsigned>(key.frame - 1), headless::Key(key.virtualKey));
    headless::ScheduleInput(static_cast<unsigned>(options.frames), headless::Close());

    screensaverMode = options.screensaver;
    SeedRandom(options.seeded ? options.seed : static_cast<uint32_t>(std::time(nullptr)));
    RunLumivane(Win32ModuleInstance(), SW_SHOWDEFAULT);
    headless::OnCall(nullptr);

    if (!recorder.error.empty()) {
        AbandonOutput(&recorder.palettes);
        AbandonGif(&recorder.gif);
        *error = recorder.error;
        return 1;
    }
    return CloseOutputs(error) ? 0 : 1;
}
