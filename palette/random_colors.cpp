#include "palette/random_colors.h"

uint32_t randomSeed = 1;

void SeedRandom(uint32_t seed) { randomSeed = seed; }

int NextRandom() {
    // Unsigned arithmetic wraps modulo 2^32, as the generator needs.
    randomSeed = randomSeed * 214013u + 2531011u;
    return static_cast<int>((randomSeed >> 16) & 32767u);
}

ColorTriple MakeRandomColor() {
    // Drawn in the order red, green, blue; each channel keeps the low 8 bits of its number.
    ColorTriple color;
    color.red = NextRandom() % 256;
    color.green = NextRandom() % 256;
    color.blue = NextRandom() % 256;
    return color;
}
