// The embedded picture's pixels as the tests read them: index (x, y) counted from the top, from
// rows the resource stores bottom-up after its header and colour table.
#pragma once

#include "shell/win32/resources.h"

inline BYTE PictureIndex(int x, int y) { return win32Resources[0].data[1064 + 640 * (479 - y) + x]; }
