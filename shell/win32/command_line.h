// The command line the platform hands to WinMain, rebuilt from the arguments of a process.
#pragma once

#include <string>

// The arguments after the program name joined by single spaces (an empty argument, or one holding a
// blank or a tab, in double quotes), with leading characters of code 1 to 32 dropped.
std::string Win32CommandLine(int argumentCount, const char* const* arguments);
