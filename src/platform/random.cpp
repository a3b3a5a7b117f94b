#include "platform/random.h"

#include <cstdint>

namespace zoquel {

namespace {
// The classic linear congruential generator of C libraries on the original platform.
std::uint32_t state = 1;
}  // namespace

void seed_random(unsigned seed) { state = seed; }

int random15() {
    state = state * 214013u + 2531011u;
    return int((state >> 16) & 0x7FFF);
}

}  // namespace zoquel
