#pragma once
#include "render/type_registry.h"

namespace zoquel {

// The Sierpinski web: z doubled and folded back into the unit square, from 0.2 (|Re c^3|, |Im c^3|)
// with c the pixel. Every pixel is reported outside.
int sierpinski(double px, double py, double* zx, double* zy, double* size);
void sierpinski_setup(LiveState& state);

TypeImplementation sierpinski_implementation();

}  // namespace zoquel
