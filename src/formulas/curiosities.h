#pragma once
#include "model/type_implementation.h"

namespace zoquel {

// What small formula errors do to familiar fractals, and the petal Julia sets.
// Type 28: z = 2.5z^3 - 1.5Re(z) + c (the error) or 2.5z^3 - 1.5z + c; c is the pixel.
TypeImplementation legendre_implementation();
// Type 29: the M-set with the new real part used for the imaginary one, or the Julia sets
// of 1 / (1 - z^2) + c.
TypeImplementation mondrian_implementation();
// Type 30: Newton's method on z^7 - 14z^5 + 49z^3 - 36z with a sign wrong in the function
// or in its derivative.
TypeImplementation newtonerror_implementation();
// Type 37: z = z^e - kz + c, e the exponent rounded down.
TypeImplementation petal_implementation();

}  // namespace zoquel
