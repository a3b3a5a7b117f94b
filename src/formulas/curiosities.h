#pragma once
#include "render/type_registry.h"

namespace zoquel {

// What small formula errors do to familiar fractals, and the petal Julia sets.

// Type 28: z = 2.5z^3 - 1.5Re(z) + c (the error) or 2.5z^3 - 1.5z + c; c is the pixel.
int legendre(double px, double py, double* zx, double* zy, double* size);
// Type 29: the M-set with the new real part used for the imaginary one, or the Julia sets
// of 1 / (1 - z^2) + c.
int mondrian(double px, double py, double* zx, double* zy, double* size);
// Type 30: Newton's method on z^7 - 14z^5 + 49z^3 - 36z with a sign wrong in the function
// or in its derivative.
int newtonerror(double px, double py, double* zx, double* zy, double* size);
// Type 37: z = z^e - kz + c, e the exponent rounded down.
int petal(double px, double py, double* zx, double* zy, double* size);

TypeImplementation legendre_implementation();
TypeImplementation mondrian_implementation();
TypeImplementation newtonerror_implementation();
TypeImplementation petal_implementation();

}  // namespace zoquel
