#pragma once
#include "model/type_implementation.h"

namespace zoquel {

// Type 0: z = z^n + c for a real exponent n; c is the pixel in method 0, z(0) the pixel in
// method 1. Rows of z^2 + c go through the vector loop where the colouring allows it.
TypeImplementation mandelbrot_implementation();

}  // namespace zoquel
