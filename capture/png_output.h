// Writing a picture of red, green and blue bytes as a PNG file.
#pragma once

#include <cstdint>
#include <string>

// 1, or 0 with a message naming the file and no file left behind.
int WritePng(const std::string& path, const uint8_t* rgb, int width, int height, std::string* error);
