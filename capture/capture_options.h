// The command line of lumivane-capture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct KeyPress {
    long frame;           // the press arrives after frame - 1 and before frame
    uint32_t virtualKey;
};

struct PictureRequest {
    long frame;  // the screen after this frame; 0 for the screen before the first
    std::string path;
};

struct CaptureOptions {
    bool seeded = false;
    uint32_t seed = 0;
    long frames = 600;
    std::vector<KeyPress> keys;
    bool screensaver = false;
    std::string palettesPath;
    std::vector<PictureRequest> pictures;
    std::string gifPath;
    long gifEvery = 1;
    bool help = false;
};

extern const char captureUsage[];

// 1 with the options filled in, or 0 with a message saying what is wrong.
int ParseCaptureOptions(int argc, const char* const* argv, CaptureOptions* options, std::string* error);
