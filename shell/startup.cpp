#include "shell/startup.h"

#include <ctime>

#include "display/display_setup.h"
#include "display/presenting.h"
#include "palette/random_colors.h"
#include "picture/picture_loader.h"
#include "shell/main_window.h"
#include "shell/message_loop.h"

int32_t screensaverMode = 0;

int RunLumivane(HINSTANCE instance, int showCommand) {
    if (!CreateMainWindow(instance, showCommand)) return 0;
    if (!InitDisplay(mainWindow)) return 0;
    LoadPicture();
    PresentPicture();
    return RunMessageLoop();
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand) {
    (void)previousInstance;
    // The screensaver mechanism starts the program with one of these as the whole command line.
    if (lstrcmpiA(commandLine, "/s") == 0 || lstrcmpiA(commandLine, "-s") == 0 || lstrcmpiA(commandLine, "s") == 0)
        screensaverMode = 1;
    SeedRandom(static_cast<uint32_t>(time(NULL)));
    return RunLumivane(instance, showCommand);
}
