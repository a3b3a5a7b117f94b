#pragma once
#include "platform/host.h"
#include "model/palettes.h"

namespace zoquel {

constexpr int kPalettePreviewWidth = 262, kPalettePreviewHeight = 362;

// Draws the preview of a candidate palette (a small Mandelbrot set above a strip of its 256
// colours) into a 262 x 362 surface.
Surface palette_preview(const Palette& candidate);

// showpalette: the preview, shown in the screen's top-left corner in its three stages.
void showpalette(const Palette& candidate, Host& host);

}  // namespace zoquel
