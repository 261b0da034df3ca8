// One colour of a scheme's table: red, green and blue, each 0 to 255.
#pragma once

#include <cstdint>

struct ColorTriple {
    int32_t red;
    int32_t green;
    int32_t blue;
};
