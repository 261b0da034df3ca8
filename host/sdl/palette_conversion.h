// Turning the screen's 8-bit indices into the 32-bit colours a texture takes.
#pragma once

#include <cstdint>

// One 0xAARRGGBB colour per palette entry (red, green, blue, flags); opaque.
void BuildColourTable(const uint8_t* palette, uint32_t* table);

// Looks every index up in the table; rows of `width` pixels, each with its own pitch in bytes.
void ConvertIndices(const uint8_t* indices, int indexPitch, int width, int height, const uint32_t* table,
                    uint32_t* out, int outPitch);
