// Key names of lumivane-capture's --key option.
#pragma once

#include <cstdint>
#include <string>

// escape, f1-f12, space, return, a-z, 0-9 or 0xNN (a code from 0x01 to 0xFF); 1 when the name is known.
int VirtualKeyForName(const std::string& name, uint32_t* virtualKey);
