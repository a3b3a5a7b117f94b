#pragma once
#include "model/type_implementation.h"

namespace zoquel {

// Type 3: the predator-prey system dx/x = x - xy, dy/y = -y + xy, integrated with a two-stage
// step of size h from the pixel (x, y). Orbits that stay bounded are coloured by one of three
// schemes.
TypeImplementation vl_implementation();

}  // namespace zoquel
