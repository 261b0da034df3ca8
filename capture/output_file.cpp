#include "capture/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

std::string Problem(const std::string& path, const char* what, int error) {
    return "cannot " + std::string(what) + " '" + path + "': " + std::strerror(error);
}

mode_t NewFileMode() {
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

int OpenOutput(OutputFile* file, const std::string& path, std::string* error) {
    *file = OutputFile();
    file->path = path;
    struct stat existing;
    if (stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        if (S_ISDIR(existing.st_mode)) {
            *error = Problem(path, "write", EISDIR);
            return 0;
        }
        file->stream = std::fopen(path.c_str(), "wb");
        if (file->stream == nullptr) *error = Problem(path, "write", errno);
        return file->stream != nullptr;
    }
    std::string pattern = path + ".XXXXXX";
    int descriptor = mkstemp(pattern.data());
    if (descriptor < 0 || fchmod(descriptor, NewFileMode()) != 0 ||
        (file->stream = fdopen(descriptor, "wb")) == nullptr) {
        *error = Problem(path, "write", errno);
        if (descriptor >= 0) {
            close(descriptor);
            unlink(pattern.c_str());
        }
        return 0;
    }
    file->temporaryPath = pattern;
    return 1;
}

void WriteOutput(OutputFile* file, const void* bytes, size_t size) {
    if (file->stream == nullptr || file->error != 0) return;
    if (std::fwrite(bytes, 1, size, file->stream) != size) file->error = errno != 0 ? errno : EIO;
}

int CommitOutput(OutputFile* file, std::string* error) {
    int writeError = file->error;
    if (std::fflush(file->stream) != 0 && writeError == 0) writeError = errno;
    if (std::fclose(file->stream) != 0 && writeError == 0) writeError = errno;
    file->stream = nullptr;
    if (writeError == 0 && !file->temporaryPath.empty() && std::rename(file->temporaryPath.c_str(), file->path.c_str()) != 0)
        writeError = errno;
    if (writeError != 0) {
        *error = Problem(file->path, "write", writeError);
        if (!file->temporaryPath.empty()) unlink(file->temporaryPath.c_str());
        return 0;
    }
    return 1;
}

void AbandonOutput(OutputFile* file) {
    if (file->stream != nullptr) std::fclose(file->stream);
    file->stream = nullptr;
    if (!file->temporaryPath.empty()) unlink(file->temporaryPath.c_str());
}
