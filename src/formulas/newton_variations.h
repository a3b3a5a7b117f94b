#pragma once
#include "formulas/newton_variations_table.h"
#include "model/type_implementation.h"

namespace zoquel {

// Finds the distinct roots of formula `index` by Newton's method from points on concentric
// circles, stopping at the formula's root count.
NvRoots nvcalculateroots(int index);

// Type 27: Newton's method (method 0) or the secant method (method 1) on the chosen formula,
// with the relaxation factor; the result carries the basin offset when basin colouring is on.
// The roots are searched again when the formula changed, or when nvfirst asks for it.
TypeImplementation nvariations_implementation();

}  // namespace zoquel
