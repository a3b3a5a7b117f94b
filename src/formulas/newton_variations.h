#pragma once
#include <array>

#include "formulas/newton_variations_table.h"
#include "render/type_registry.h"

namespace zoquel {

constexpr int kNvMaxRoots = 100;

// The roots the search found for one formula; entries from `count` on hold 100 + 100i.
struct NvRoots {
    std::array<Cx, kNvMaxRoots> z;
    int count = 0;
};

// Finds the distinct roots of formula `index` by Newton's method from points on concentric
// circles, stopping at the formula's root count.
NvRoots nvcalculateroots(int index);

// Newton's method (method 0) or the secant method (method 1) on the chosen formula, with the
// relaxation factor; the result carries the basin offset when basin colouring is on.
int nvariations(double px, double py, double* zx, double* zy, double* size);
// Searches the roots again when the formula changed, or when asked to through nvfirst.
void nvariations_setup(LiveState& state);
// The roots the current images are coloured against.
const NvRoots& nvariations_roots();

TypeImplementation nvariations_implementation();

}  // namespace zoquel
