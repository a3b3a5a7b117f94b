#pragma once
#include "model/type_implementation.h"

namespace zoquel {

// The transcendental and rational maps: Escher-Julia (2), Lambda * sine, cosine and e^z (7-9),
// Quartet sine (10), the two magnetism models (11, 12), Devaney (13) and Pokorny (14).
// An empty entry for any other type.
TypeImplementation complex_maps_1_implementation(int ftype);

// The quadratic, cubic, conjugate and trigonometric maps: Lambda (15), Phoenix (16), Celtic
// (17), Burning Ship (18), P3 polynomial (19), Tricorn (20), Tricorn variation (21) and the
// two airfoils (25, 26). An empty entry for any other type.
TypeImplementation complex_maps_2_implementation(int ftype);

}  // namespace zoquel
