#pragma once
#include <array>

#include "platform/rgb.h"

namespace zoquel {

using Palette = std::array<Rgb, 256>;

const Palette& default_palette();   // eight ramps of 16, mirrored
const Palette& greyscale_palette();
const Palette& kpbw4_palette();     // the biomorph black-and-white palette
const Palette& rainbow8_palette();

// A colour index as a palette index: 0..255 stay, anything else (a raw count that ran past
// the palette) wraps as the escape-time convention n mod 255 + 1 does.
inline int palette_index(int n) {
    if (n >= 0 && n <= 255) return n;
    int m = n % 255;
    if (m < 0) m += 255;
    return m + 1;
}

// trunc(v) mod 255 + 1 for a non-negative v, defined for every double (NaN and infinity give 1).
int wrapped_index(double v);

// Nudges every entry equal to `background` so that none is left equal to it.
void checkpalette(Palette& palette, Rgb background);

}  // namespace zoquel
