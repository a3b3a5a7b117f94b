#pragma once
#include "model/julia_cycle.h"
#include "render/render_state.h"
#include "render/type_registry.h"

namespace zoquel {

// z = z^n + c for a real exponent n: c is the pixel in method 0, z(0) the pixel in method 1.
int mandelbrot(double px, double py, double* zx, double* zy, double* size);
void mandelbrot_setup(LiveState& state);
// The same for a whole row at once, through the vector loop where the image allows it.
bool mandelbrot_row(const double* xs, double y, int count, int* n, double* zx, double* zy, double* size);

TypeImplementation mandelbrot_implementation();

}  // namespace zoquel
