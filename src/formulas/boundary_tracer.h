#pragma once
#include "model/type_implementation.h"

namespace zoquel {

// Type 35: the border of the Mandelbrot set (method 0) or a Julia set (method 1) of z^p + c.
// A pixel whose orbit stays bounded while one of its four neighbours escapes gives 0 with
// size 0 (inside colouring); every other pixel gives 255 beyond the escape radius.
TypeImplementation bt_implementation();

}  // namespace zoquel
