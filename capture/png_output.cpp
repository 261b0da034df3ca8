#include "capture/png_output.h"

#include <png.h>

#include <csetjmp>

#include "capture/output_file.h"

namespace {

void WriteBytes(png_structp png, png_bytep bytes, png_size_t size) {
    WriteOutput(static_cast<OutputFile*>(png_get_io_ptr(png)), bytes, size);
}

void Flush(png_structp) {}

// Writes the image; false when libpng gave up.
bool Encode(png_structp png, png_infop info, OutputFile* file, const uint8_t* rgb, int width, int height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, file, WriteBytes, Flush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) png_write_row(png, const_cast<png_bytep>(rgb + static_cast<size_t>(y) * width * 3));
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

int WritePng(const std::string& path, const uint8_t* rgb, int width, int height, std::string* error) {
    OutputFile file;
    if (!OpenOutput(&file, path, error)) return 0;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool encoded = info != nullptr && Encode(png, info, &file, rgb, width, height);
    png_destroy_write_struct(&png, &info);
    if (!encoded) {
        AbandonOutput(&file);
        *error = "cannot write '" + path + "': the PNG encoder failed";
        return 0;
    }
    return CommitOutput(&file, error);
}
