#include "host/sdl/virtual_keys.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    SDL_Keycode key;
    uint32_t virtualKey;
};

TEST(VirtualKeys, SdlKeysBecomeThePlatformsCodes) {
    const Case cases[] = {
        {SDLK_a, 0x41},      {SDLK_z, 0x5A},     {SDLK_0, 0x30},       {SDLK_9, 0x39},
        {SDLK_F1, 0x70},     {SDLK_F10, 0x79},   {SDLK_F12, 0x7B},     {SDLK_F13, 0x7C},
        {SDLK_ESCAPE, 0x1B}, {SDLK_SPACE, 0x20}, {SDLK_RETURN, 0x0D},  {SDLK_KP_ENTER, 0x0D},
        {SDLK_LEFT, 0x25},   {SDLK_UP, 0x26},    {SDLK_RIGHT, 0x27},   {SDLK_DOWN, 0x28},
        {SDLK_TAB, 0x09},    {SDLK_LALT, 0x12},  {SDLK_RSHIFT, 0x10},  {SDLK_KP_0, 0x60},
        {SDLK_KP_5, 0x65},   {SDLK_MINUS, 0xBD}, {SDLK_DELETE, 0x2E},  {SDLK_HOME, 0x24},
        {SDLK_MUTE, 0xFF},
    };
    for (const Case& c : cases) EXPECT_EQ(VirtualKeyFor(c.key), c.virtualKey) << SDL_GetKeyName(c.key);
}

}  // namespace
