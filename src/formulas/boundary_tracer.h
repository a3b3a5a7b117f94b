#pragma once
#include "render/type_registry.h"

namespace zoquel {

// Type 35: the border of the Mandelbrot set (method 0) or a Julia set (method 1) of z^p + c.
// A pixel whose orbit stays bounded while one of its four neighbours escapes returns 0 with
// size 0 (inside colouring); every other pixel returns 255 beyond the escape radius.
int bt(double px, double py, double* zx, double* zy, double* size);
void bt_setup(LiveState& state);

TypeImplementation bt_implementation();

}  // namespace zoquel
