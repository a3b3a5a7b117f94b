#pragma once
#include <array>
#include <complex>
#include <functional>

#include "render/type_registry.h"

namespace zoquel {

// The complex Collatz map f(z) = z/2 cos^2(pi z/2) + (3z + 1) sin^2(pi z/2), which is z/2 on
// even integers and 3z + 1 on odd ones.

// Type 22: escape time of f(z) + c.
int collatz(double px, double py, double* zx, double* zy, double* size);
void collatz_setup(LiveState& state);

// Type 23: method 0 colours the basins of Newton's method on f(z) = a0 against the root table;
// method 1 is Johnston's smoothed map, always reported outside.
int collatznewton(double px, double py, double* zx, double* zy, double* size);
int collatzjohnston(double px, double py, double* zx, double* zy, double* size);
void collatznewton_setup(LiveState& state);

constexpr int kCollatzRootSlots = 100;

// The known roots of f(z) = a0, for the a0 they were found for.
struct CollatzRootTable {
    std::array<std::complex<double>, kCollatzRootSlots> roots{};
    int count = 0;
    std::complex<double> a0{};
};

// The table in use. It starts as the built-in table for a0 = 0.
const CollatzRootTable& collatz_roots();
// Back to the built-in table.
void reset_collatz_roots();
// The 61 roots for a0 = 0 in the built-in order: 0, the pair nearest 0, then the pairs near
// +2, -2, +4, -4, ... +28, -28 and +30, positive imaginary part first.
const CollatzRootTable& builtin_collatz_roots();

// Searches roots of f(z) = a0 from a grid of start points along the real axis. `column` is
// called after each of the 600 start columns with the column's x0.
CollatzRootTable scan_collatz_roots(std::complex<double> a0, const std::function<void(double x0)>& column = {});

// Rebuilds the table for the current a0 of type 23 with a progress panel at the top left of the
// host's screen, which is restored from the image afterwards. The next render starts from row 0.
void cncalculateroots(LiveState& state);

TypeImplementation collatz_implementation();
TypeImplementation collatznewton_implementation();

}  // namespace zoquel
