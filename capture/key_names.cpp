#include "capture/key_names.h"

#include <cstdlib>

namespace {

// The code a name stands for, or 0 when it names no key.
uint32_t CodeForName(const std::string& name) {
    if (name == "escape") return 0x1B;
    if (name == "space") return 0x20;
    if (name == "return") return 0x0D;
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') return 0x41 + static_cast<uint32_t>(name[0] - 'a');
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return 0x30 + static_cast<uint32_t>(name[0] - '0');
    bool digitsAfter = name.find_first_not_of("0123456789", 1) == std::string::npos;
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'f' && name[1] != '0' && digitsAfter) {
        int number = std::atoi(name.c_str() + 1);
        return number <= 12 ? 0x70 + static_cast<uint32_t>(number - 1) : 0;
    }
    if (name.size() >= 3 && name.size() <= 4 && name.compare(0, 2, "0x") == 0 &&
        name.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string::npos)
        return static_cast<uint32_t>(std::strtoul(name.c_str() + 2, nullptr, 16));
    return 0;
}

}  // namespace

int VirtualKeyForName(const std::string& name, uint32_t* virtualKey) {
    uint32_t code = CodeForName(name);
    if (code == 0) return 0;
    *virtualKey = code;
    return 1;
}
