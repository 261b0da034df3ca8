// Case-insensitive comparison of two strings.
#include <cctype>

#include "shell/win32/win32_api.h"

int WINAPI lstrcmpiA(LPCSTR first, LPCSTR second) {
    // A null string sorts as an empty one.
    const unsigned char* a = reinterpret_cast<const unsigned char*>(first != nullptr ? first : "");
    const unsigned char* b = reinterpret_cast<const unsigned char*>(second != nullptr ? second : "");
    for (;; ++a, ++b) {
        int ca = std::tolower(*a);
        int cb = std::tolower(*b);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}
