#include "palette/palette_animator.h"

#include "display/display_objects.h"
#include "palette/color_schemes.h"

int32_t frameCounter = 0;
int32_t schemeIndex = 0;
PALETTEENTRY workingPalette[256];

namespace {

// A scheme runs while the counter goes from 0 to this value; the next frame starts the next scheme.
const int32_t lastFrameOfScheme = 4096;

// Neighbouring palette entries are this many phase steps apart.
const int32_t phaseStepPerEntry = 6;

void AdvanceScheme() {
    ++frameCounter;
    if (frameCounter <= lastFrameOfScheme) return;
    frameCounter = 0;
    ++schemeIndex;
    if (schemeIndex >= schemeCount)
        schemeIndex = 0;
    else if (schemeIndex > 1)
        BuildGradient();
}

// Ramps other than the hue wheel fall back from their top to their start in twenty quick steps
// (phases 236-255 become 240, 228, ..., 12) instead of jumping.
int32_t FoldPhase(int32_t phase) { return phase > 235 ? 12 * (256 - phase) : phase; }

void FillWorkingPalette() {
    for (int32_t i = 0; i < 256; ++i) {
        int32_t phase = (frameCounter + phaseStepPerEntry * i) % 256;
        PALETTEENTRY& entry = workingPalette[i];
        if (schemeIndex == 0) {
            phase = FoldPhase(phase);
            entry.peRed = 0;
            entry.peGreen = 0;
            entry.peBlue = static_cast<BYTE>(phase);
        } else if (schemeIndex == 1) {
            const ColorTriple& color = hueWheel[phase];
            entry.peRed = static_cast<BYTE>(color.red);
            entry.peGreen = static_cast<BYTE>(color.green);
            entry.peBlue = static_cast<BYTE>(color.blue);
        } else {
            const ColorTriple& color = gradientTable[FoldPhase(phase)];
            entry.peRed = static_cast<BYTE>(color.red);
            entry.peGreen = static_cast<BYTE>(color.green);
            entry.peBlue = static_cast<BYTE>(color.blue);
        }
        entry.peFlags = 0;
    }
}

}  // namespace

void StepPalette() {
    AdvanceScheme();
    FillWorkingPalette();
    // Without a display there is nothing to wait for or to load; the animation still advances.
    if (directDraw != NULL) directDraw->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, NULL);
    if (displayPalette != NULL) displayPalette->SetEntries(0, 0, 256, workingPalette);
}
