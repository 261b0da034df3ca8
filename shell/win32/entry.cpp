// Process entry: what the platform's start-up code does before it calls WinMain, and a check
// after it that the program gave back every DirectDraw object it made.
#include <cstdio>
#include <string>
#include <vector>

#include "display/ddraw/ddraw_api.h"
#include "shell/win32/command_line.h"
#include "shell/win32/win32_api.h"
#include "shell/win32/window_registry.h"

int main(int argc, char** argv) {
    std::string line = Win32CommandLine(argc, argv);
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    int exitCode = WinMain(Win32ModuleInstance(), nullptr, commandLine.data(), SW_SHOWDEFAULT);
    if (int alive = DirectDrawLiveObjects())
        std::fprintf(stderr, "lumivane: %d DirectDraw objects were not released\n", alive);
    return exitCode;
}
