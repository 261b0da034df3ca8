// Where the picture goes on a screen of another shape: as large as fits, its shape kept, centred,
// with black bars beside it (or above and below).
#pragma once

struct Letterbox {
    int x, y, width, height;
};

Letterbox FitLetterbox(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight);
