#pragma once

namespace zoquel {

constexpr int kRandomMax = 32767;

// The one pseudo-random source: values 0..32767, repeatable for a given seed.
void seed_random(unsigned seed);
int random15();

}  // namespace zoquel
