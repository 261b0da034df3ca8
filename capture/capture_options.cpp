#include "capture/capture_options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "capture/key_names.h"

const char captureUsage[] =
    "usage: lumivane-capture [--seed N] [--frames N] [--key N:NAME]... [--screensaver]\n"
    "                        [--palettes FILE] [--png N:FILE]... [--gif FILE] [--gif-every K]\n"
    "\n"
    "Runs Lumivane on an in-memory screen, as fast as the machine allows, and writes what it shows.\n"
    "  --seed N        seed of the random colours (default: the current time)\n"
    "  --frames N      stop after N frames (default 600); frame N is the N-th palette step\n"
    "  --key N:NAME    press a key after frame N-1: escape, f1-f12, space, return, a-z, 0-9 or 0xNN\n"
    "  --screensaver   run in screensaver mode, where any key closes\n"
    "  --palettes FILE write the 256 entries of every frame: red, green, blue, flags (1024 bytes)\n"
    "  --png N:FILE    write the screen after frame N as a 640 x 480 PNG (0: before the first frame)\n"
    "  --gif FILE      write an animated GIF of the frames\n"
    "  --gif-every K   keep every K-th frame in the GIF (default 1)\n";

namespace {

// A whole decimal number within [low, high].
bool ParseNumber(const std::string& text, long long low, long long high, long long* value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    char* end = nullptr;
    long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high) return false;
    *value = parsed;
    return true;
}

// "N:REST" with N a number within [low, high] and REST not empty.
bool ParseFramePair(const std::string& text, long long low, long long high, long long* frame, std::string* rest) {
    size_t colon = text.find(':');
    if (colon == std::string::npos || colon + 1 == text.size()) return false;
    *rest = text.substr(colon + 1);
    return ParseNumber(text.substr(0, colon), low, high, frame);
}

const long long mostFrames = 1000000000;

}  // namespace

int ParseCaptureOptions(int argc, const char* const* argv, CaptureOptions* options, std::string* error) {
    *options = CaptureOptions();
    bool gifEveryGiven = false;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--help") {
            options->help = true;
            continue;
        }
        if (option == "--screensaver") {
            options->screensaver = true;
            continue;
        }
        bool takesValue = option == "--seed" || option == "--frames" || option == "--key" || option == "--palettes" ||
                          option == "--png" || option == "--gif" || option == "--gif-every";
        if (!takesValue) {
            *error = "unknown option '" + option + "'";
            return 0;
        }
        if (i + 1 >= argc) {
            *error = option + " needs a value";
            return 0;
        }
        std::string value = argv[++i];
        long long number = 0;
        std::string rest;
        if (option == "--seed") {
            if (!ParseNumber(value, 0, 4294967295LL, &number)) {
                *error = "--seed takes a whole number from 0 to 4294967295, not '" + value + "'";
                return 0;
            }
            options->seeded = true;
            options->seed = static_cast<uint32_t>(number);
        } else if (option == "--frames") {
            if (!ParseNumber(value, 0, mostFrames, &number)) {
                *error = "--frames takes a whole number from 0 to 1000000000, not '" + value + "'";
                return 0;
            }
            options->frames = static_cast<long>(number);
        } else if (option == "--key") {
            uint32_t virtualKey = 0;
            if (!ParseFramePair(value, 1, mostFrames, &number, &rest) || !VirtualKeyForName(rest, &virtualKey)) {
                *error = "--key takes FRAME:NAME with FRAME from 1 and NAME escape, f1-f12, space, return, a-z, 0-9 "
                         "or 0xNN, not '" + value + "'";
                return 0;
            }
            options->keys.push_back({static_cast<long>(number), virtualKey});
        } else if (option == "--png") {
            if (!ParseFramePair(value, 0, mostFrames, &number, &rest)) {
                *error = "--png takes FRAME:FILE with FRAME from 0, not '" + value + "'";
                return 0;
            }
            options->pictures.push_back({static_cast<long>(number), rest});
        } else if (option == "--palettes" || option == "--gif") {
            if (value.empty()) {
                *error = option + " needs a file name";
                return 0;
            }
            (option == "--gif" ? options->gifPath : options->palettesPath) = value;
        } else {  // --gif-every
            if (!ParseNumber(value, 1, mostFrames, &number)) {
                *error = "--gif-every takes a whole number from 1, not '" + value + "'";
                return 0;
            }
            options->gifEvery = static_cast<long>(number);
            gifEveryGiven = true;
        }
    }
    if (gifEveryGiven && options->gifPath.empty()) {
        *error = "--gif-every needs --gif";
        return 0;
    }
    for (const PictureRequest& picture : options->pictures) {
        if (picture.frame > options->frames) {
            *error = "--png " + std::to_string(picture.frame) + ":" + picture.path + " asks for a frame after the last (" +
                     std::to_string(options->frames) + ")";
            return 0;
        }
    }
    return 1;
}
