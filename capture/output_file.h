// An output file that appears whole or not at all: written under a temporary name beside it and
// renamed into place once complete. Devices and other non-regular files (/dev/null, a pipe) are
// written directly.
#pragma once

#include <cstdio>
#include <string>

struct OutputFile {
    std::string path;
    std::string temporaryPath;  // empty when writing directly
    FILE* stream = nullptr;
    int error = 0;  // the first write's failure
};

// 1 when the file could be opened for writing; otherwise 0 with a message naming it.
int OpenOutput(OutputFile* file, const std::string& path, std::string* error);
// Writes bytes; a failure is remembered and reported when the file is committed.
void WriteOutput(OutputFile* file, const void* bytes, size_t size);
// Closes the file and puts it into place: 1, or 0 with a message naming it and nothing left behind.
int CommitOutput(OutputFile* file, std::string* error);
// Closes and removes a file that will not be completed.
void AbandonOutput(OutputFile* file);
