#pragma once
#include "render/type_registry.h"

namespace zoquel {

// The predator-prey system dx/x = x - xy, dy/y = -y + xy, integrated with a two-stage step of
// size h from the pixel (x, y). Orbits that stay bounded are coloured by one of three schemes.
int vl(double px, double py, double* zx, double* zy, double* size);
void vl_setup(LiveState& state);

TypeImplementation vl_implementation();

}  // namespace zoquel
