#pragma once
#include "model/type_implementation.h"

namespace zoquel {

// Type 38: the Mandelbrot set (method 0) or a quadratic Julia set (method 1) by the distance
// estimator: points closer to the boundary than the threshold keep the iteration colour,
// farther ones are shifted by their distance, scaled by the largest distance of the image.
// A preliminary pass sketches the boundary on the screen and finds that largest distance;
// the first one after start-up explains itself.
TypeImplementation dem_implementation();

// The message shown before the first preliminary pass after start-up.
extern const char* const kDistanceEstimatorNotice;

}  // namespace zoquel
