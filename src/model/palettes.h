#pragma once
#include <array>

#include "platform/rgb.h"

namespace zoquel {

using Palette = std::array<Rgb, 256>;

const Palette& default_palette();   // eight ramps of 16, mirrored
const Palette& greyscale_palette();
const Palette& kpbw4_palette();     // the biomorph black-and-white palette
const Palette& rainbow8_palette();

// Nudges every entry equal to `background` so that none is left equal to it.
void checkpalette(Palette& palette, Rgb background);

}  // namespace zoquel
