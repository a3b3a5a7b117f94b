#pragma once
#include "render/type_registry.h"

namespace zoquel {

// Type 38: the Mandelbrot set (method 0) or a quadratic Julia set (method 1) by the distance
// estimator: points closer to the boundary than the threshold keep the iteration colour,
// farther ones are shifted by their distance, scaled by the largest distance of the image.
int dem(double px, double py, double* zx, double* zy, double* size);
// Per image: the threshold, and the preliminary pass that finds the largest distance while it
// sketches the boundary into the window and waits for a key or click.
void dem_setup(LiveState& state);
// The preliminary pass alone.
double maxdistance(LiveState& state);

// The message shown before the first preliminary pass after start-up.
extern const char* const kDistanceEstimatorNotice;

TypeImplementation dem_implementation();

}  // namespace zoquel
