#pragma once
#include <complex>
#include <functional>

#include "model/type_implementation.h"
#include "platform/host.h"

namespace zoquel {

// The complex Collatz map f(z) = z/2 cos^2(pi z/2) + (3z + 1) sin^2(pi z/2), which is z/2 on
// even integers and 3z + 1 on odd ones.

// Type 22: escape time of f(z) + c, from 0 or from the critical point.
TypeImplementation collatz_implementation();

// Type 23: method 0 colours the basins of Newton's method on f(z) = a0 against the root table
// (searched again first when the table belongs to another a0); method 1 is Johnston's
// smoothed map, always reported outside.
TypeImplementation collatznewton_implementation();

// The 61 roots for a0 = 0 in the built-in order: 0, the pair nearest 0, then the pairs near
// +2, -2, +4, -4, ... +28, -28 and +30, positive imaginary part first.
const CollatzRootTable& builtin_collatz_roots();
// The table in use: the one the memory keeps, or the built-in one.
const CollatzRootTable& collatz_roots(const TypeMemory& memory);

// Searches roots of f(z) = a0 from a grid of start points along the real axis. `column` is
// called after each of the 600 start columns with the column's x0.
CollatzRootTable scan_collatz_roots(std::complex<double> a0, const std::function<void(double x0)>& column = {});

// cncalculateroots: the search with its progress panel at the top left of the host's screen,
// which shows what it covered again afterwards.
CollatzRootTable cncalculateroots(std::complex<double> a0, Host& host);

}  // namespace zoquel
