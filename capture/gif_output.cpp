#include "capture/gif_output.h"

#include <gif_lib.h>

#include <vector>

namespace {

int WriteBytes(GifFileType* gif, const GifByteType* bytes, int size) {
    WriteOutput(static_cast<OutputFile*>(gif->UserData), bytes, static_cast<size_t>(size));
    return size;
}

std::string EncoderProblem(const GifOutput& output) {
    return "cannot write '" + output.file.path + "': " + GifErrorString(output.gif->Error);
}

// The application extension that makes viewers loop the animation for ever.
bool PutLooping(GifFileType* gif) {
    static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType forever[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof application, application) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof forever, forever) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

}  // namespace

int OpenGif(GifOutput* output, const std::string& path, int width, int height, std::string* error) {
    if (!OpenOutput(&output->file, path, error)) return 0;
    int status = 0;
    output->gif = EGifOpen(&output->file, WriteBytes, &status);
    output->width = width;
    output->height = height;
    if (output->gif == nullptr) {
        AbandonOutput(&output->file);
        *error = "cannot write '" + path + "': " + GifErrorString(status);
        return 0;
    }
    EGifSetGifVersion(output->gif, true);
    if (EGifPutScreenDesc(output->gif, width, height, 8, 0, nullptr) != GIF_OK || !PutLooping(output->gif)) {
        *error = EncoderProblem(*output);
        AbandonGif(output);
        return 0;
    }
    return 1;
}

int AddGifFrame(GifOutput* output, const uint8_t* indices, int pitch, const uint8_t* palette, int delay,
                std::string* error) {
    GifColorType colours[256];
    for (int i = 0; i < 256; ++i) colours[i] = {palette[4 * i], palette[4 * i + 1], palette[4 * i + 2]};
    ColorMapObject* map = GifMakeMapObject(256, colours);
    GraphicsControlBlock control = {DISPOSAL_UNSPECIFIED, false, delay, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    bool written = map != nullptr && EGifPutExtension(output->gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
                   EGifPutImageDesc(output->gif, 0, 0, output->width, output->height, false, map) == GIF_OK;
    for (int y = 0; written && y < output->height; ++y) {
        written = EGifPutLine(output->gif, const_cast<GifPixelType*>(indices + static_cast<size_t>(y) * pitch),
                              output->width) == GIF_OK;
    }
    GifFreeMapObject(map);
    if (!written) *error = EncoderProblem(*output);
    return written;
}

int FinishGif(GifOutput* output, std::string* error) {
    int status = 0;
    bool closed = EGifCloseFile(output->gif, &status) == GIF_OK;
    output->gif = nullptr;
    if (!closed) {
        *error = "cannot write '" + output->file.path + "': " + GifErrorString(status);
        AbandonOutput(&output->file);
        return 0;
    }
    return CommitOutput(&output->file, error);
}

void AbandonGif(GifOutput* output) {
    if (output->gif != nullptr) EGifCloseFile(output->gif, nullptr);
    output->gif = nullptr;
    AbandonOutput(&output->file);
}
