#include "host/sdl/letterbox.h"

Letterbox FitLetterbox(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight) {
    Letterbox box;
    // Compare screenWidth / screenHeight with pictureWidth / pictureHeight without division.
    if (static_cast<long>(screenWidth) * pictureHeight >= static_cast<long>(screenHeight) * pictureWidth) {
        box.height = screenHeight;
        box.width = static_cast<int>(static_cast<long>(screenHeight) * pictureWidth / pictureHeight);
    } else {
        box.width = screenWidth;
        box.height = static_cast<int>(static_cast<long>(screenWidth) * pictureHeight / pictureWidth);
    }
    box.x = (screenWidth - box.width) / 2;
    box.y = (screenHeight - box.height) / 2;
    return box;
}
