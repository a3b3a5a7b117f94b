#pragma once
#include "render/type_registry.h"

namespace zoquel {

// Newton's method with a complex relaxation factor m on z^n - 1: the pixel is z(0); every
// pixel is reported outside, the count offset by the root's band when basins are coloured.
int newton(double px, double py, double* zx, double* zy, double* size);
void newton_setup(LiveState& state);
// The two binary-decomposition colourings for this type, split by the ray through each root.
Rgb newtonbd(const Settings& s, int n, double zx, double zy);

TypeImplementation newton_implementation();

}  // namespace zoquel
