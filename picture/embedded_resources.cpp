// The program's resources, compiled in where there is no resource compiler: the picture's bytes
// without the bitmap file's 14-byte header, exactly as a resource compiler stores them.
#include "shell/win32/resources.h"

__asm__(".section .rodata\n"
        ".balign 4\n"
        ".global lumivanePictureResource\n"
        "lumivanePictureResource:\n"
        ".incbin \"" LUMIVANE_PICTURE_FILE "\", 14\n"
        ".global lumivanePictureResourceEnd\n"
        "lumivanePictureResourceEnd:\n"
        ".previous\n");

extern "C" const BYTE lumivanePictureResource[];
extern "C" const BYTE lumivanePictureResourceEnd[];

const Win32Resource win32Resources[] = {
    {RT_BITMAP, "TEMP_BMP", lumivanePictureResource,
     static_cast<DWORD>(lumivanePictureResourceEnd - lumivanePictureResource)},
};
const int win32ResourceCount = 1;
