// A fresh process for every test: the headless host, our platform stand-ins and the program's own
// state as they are at start-up. At the end the program's release leaves no DirectDraw object alive.
#pragma once

#include <gtest/gtest.h>

#include "host/headless/headless_host.h"
#include "shell/win32.h"

void ResetProgramState();

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The window and the display as start-up makes them; the picture is not loaded.
    void SetUpWindowAndDisplay();
    // ... and the picture loaded and presented, as before the message loop starts.
    void SetUpShownPicture();
};

// The calls of the log from the first one named `from` on, by name.
std::vector<std::string> CallsFrom(const char* from);

// How many calls of the log have this name.
int CountCalls(const char* name);

// Runs the program's WinMain as the process entry would, with this command line.
int RunWinMain(const char* commandLine);
