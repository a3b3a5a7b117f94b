#pragma once
#include <array>

namespace zoquel {

constexpr int kAttractorSize = 1024;

// The points of the attracting cycle that Julia level-set colouring measures against.
struct Attractor {
    std::array<double, kAttractorSize> x{}, y{};
};

// The period of the attracting cycle of z^2 + c, found from the orbit of 0; the cycle's points
// are left in `cycle`.
int juliaperiod(double cx, double cy, Attractor& cycle);

}  // namespace zoquel
