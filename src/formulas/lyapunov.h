#pragma once
#include "model/type_implementation.h"

namespace zoquel {

// Type 24, Lyapunov exponent maps: the pixel is (b, a). Method 0 runs the logistic map with r
// switched between a and b by the letter sequence; method 1 runs Pickover's sine map. Every
// pixel is reported outside; the result is the palette index.
TypeImplementation lyapunov_implementation();

}  // namespace zoquel
