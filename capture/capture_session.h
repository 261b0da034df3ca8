// Runs the program on the headless host and records what its screen shows, frame by frame.
#pragma once

#include <string>

#include "capture/capture_options.h"

// 0 when everything was written; 1 with a message when an output could not be.
int RunCapture(const CaptureOptions& options, std::string* error);
