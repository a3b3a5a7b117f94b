#pragma once
#include <array>
#include <complex>
#include <optional>

#include "model/complex_math.h"

namespace zoquel {

constexpr int kCollatzRootSlots = 100;

// The known roots of the Collatz map's f(z) = a0, for the a0 they were found for.
struct CollatzRootTable {
    std::array<std::complex<double>, kCollatzRootSlots> roots{};
    int count = 0;
    std::complex<double> a0{};
};

constexpr int kNvMaxRoots = 100;

// The roots the search found for one Newton / secant variation; entries from `count` on hold 100 + 100i.
struct NvRoots {
    std::array<Cx, kNvMaxRoots> z;
    int count = 0;
};

// What some types keep from one image to the next: the roots their searches found, and
// notices shown once per run. Whoever renders owns one and hands it to the types' set-up.
struct TypeMemory {
    // Type 23: the table in use; none means the built-in table for a0 = 0.
    std::optional<CollatzRootTable> collatz;
    // Type 27: the roots of formula `nvformula`; nvfirst asks for a new search.
    NvRoots nvroots;
    int nvformula = -1;
    bool nvfirst = true;
    // Notices not shown yet: the distance estimator's, the oscillators' usage, the DLA help,
    // the orbits' instructions.
    bool firsttimetext = true;
    bool firstosc = true;
    bool firstdla = true;
    bool firstorbit = true;
};

}  // namespace zoquel
