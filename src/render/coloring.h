#pragma once
#include "platform/rgb.h"
#include "render/render_state.h"
#include "model/settings.h"

namespace zoquel {

// The colour of one pixel from what its generator returned: outside when size exceeds the
// type's escape radius, coloured by the outside method; inside by the inside method.
Rgb coloring(const Settings& s, const RenderState& r, int n, double size, double zx, double zy);

// n as a palette index: 0..255 stay, anything else wraps as the escape-time convention does.
inline int palette_index(int n) {
    if (n >= 0 && n <= 255) return n;
    int m = n % 255;
    if (m < 0) m += 255;
    return m + 1;
}

// trunc(v) mod 255 + 1 for a non-negative v, defined for every double (NaN and infinity give 1).
int wrapped_index(double v);

}  // namespace zoquel
