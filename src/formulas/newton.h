#pragma once
#include "model/type_implementation.h"

namespace zoquel {

// Type 1: Newton's method with a complex relaxation factor m on z^n - 1. The pixel is z(0);
// every pixel is reported outside, the count offset by the root's band when basins are
// coloured. Binary decomposition splits each basin by the ray through its root.
TypeImplementation newton_implementation();

}  // namespace zoquel
