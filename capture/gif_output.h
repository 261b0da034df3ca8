// Writing an animated GIF whose frames share the picture and each have a palette of their own.
#pragma once

#include <cstdint>
#include <string>

#include "capture/output_file.h"

struct GifFileType;

struct GifOutput {
    OutputFile file;
    GifFileType* gif = nullptr;
    int width = 0;
    int height = 0;
};

int OpenGif(GifOutput* output, const std::string& path, int width, int height, std::string* error);
// One frame: 8-bit indices (rows `pitch` bytes apart) shown through 256 entries of red, green,
// blue and flags, for `delay` hundredths of a second.
int AddGifFrame(GifOutput* output, const uint8_t* indices, int pitch, const uint8_t* palette, int delay,
                std::string* error);
int FinishGif(GifOutput* output, std::string* error);
void AbandonGif(GifOutput* output);
