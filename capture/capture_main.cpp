// lumivane-capture: renders the animation to files on a machine without a display.
#include <cstdio>
#include <string>

#include "capture/capture_options.h"
#include "capture/capture_session.h"

int main(int argc, char** argv) {
    CaptureOptions options;
    std::string error;
    if (!ParseCaptureOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "lumivane-capture: %s\n%s", error.c_str(), captureUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(captureUsage, stdout);
        return 0;
    }
    if (RunCapture(options, &error) != 0) {
        std::fprintf(stderr, "lumivane-capture: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
