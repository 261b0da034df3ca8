#include "shell/win32/command_line.h"

std::string Win32CommandLine(int argumentCount, const char* const* arguments) {
    std::string line;
    for (int i = 1; i < argumentCount; ++i) {
        std::string argument = arguments[i];
        if (i > 1) line += ' ';
        bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
        line += quote ? '"' + argument + '"' : argument;
    }
    size_t start = 0;
    while (start < line.size() && static_cast<unsigned char>(line[start]) >= 1 &&
           static_cast<unsigned char>(line[start]) <= 32)
        ++start;
    return line.substr(start);
}
