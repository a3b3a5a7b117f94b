#include "model/julia_cycle.h"

#include <algorithm>
#include <cmath>

namespace zoquel {

int juliaperiod(double cx, double cy, Attractor& cycle) {
    cycle = Attractor{};
    const double limit = std::max(std::sqrt(cx * cx + cy * cy), 2.0);
    double x = 0, y = 0;
    for (int step = 0; step < 4096; ++step) {
        const double t = x * x - y * y + cx;
        y = x * y + y * x + cy;
        x = t;
        if (std::sqrt(x * x + y * y) > limit) break;
        if (step >= 3072) {
            cycle.x[std::size_t(step - 3072)] = x;
            cycle.y[std::size_t(step - 3072)] = y;
        }
    }
    for (int i = 1; i < kAttractorSize; ++i) {
        double dx = cycle.x[std::size_t(i)] - cycle.x[0], dy = cycle.y[std::size_t(i)] - cycle.y[0];
        if (std::sqrt(dx * dx + dy * dy) < 0.0001) return i;
    }
    return kAttractorSize;
}

}  // namespace zoquel
