// Putting the embedded picture into the picture surface, and its grey palette onto the screen.
#pragma once

int LoadPicture();
