#pragma once
#include "model/type_implementation.h"

namespace zoquel {

// The Sierpinski web: z doubled and folded back into the unit square, from 0.2 (|Re c^3|, |Im c^3|)
// with c the pixel. Every pixel is reported outside.
TypeImplementation sierpinski_implementation();

}  // namespace zoquel
