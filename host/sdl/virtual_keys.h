// The Windows virtual-key code for an SDL key, as the program's window procedure expects it.
#pragma once

#include <SDL.h>

#include <cstdint>

// 0xFF for keys that have no virtual-key code of their own; they still count as a key press.
uint32_t VirtualKeyFor(SDL_Keycode key);
