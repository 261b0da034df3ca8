// Copying the picture onto the screen, and bringing lost surfaces back.
#pragma once

void PresentPicture();
int RestoreSurfaces();
