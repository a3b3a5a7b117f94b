#pragma once
#include <cstddef>
#include <string>

#include "render/type_registry.h"

namespace zoquel {

// Lyapunov exponent maps: the pixel is (b, a). Method 0 runs the logistic map with r switched
// between a and b by the letter sequence; method 1 runs Pickover's sine map. Every pixel is
// reported outside; the result is the palette index.
int lyapunov(double px, double py, double* zx, double* zy, double* size);
void lyapunov_setup(LiveState& state);

TypeImplementation lyapunov_implementation();

}  // namespace zoquel
