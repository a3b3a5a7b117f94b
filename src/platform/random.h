#pragma once
#include <cstdint>

namespace zoquel {

constexpr int kRandomMax = 32767;

// A pseudo-random source of values 0..32767, repeatable for a given seed: the linear
// congruential generator of C libraries on the platform the program was first written for.
class Random {
public:
    explicit Random(unsigned seed = 1) : state_(seed) {}
    void seed(unsigned seed) { state_ = seed; }
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return int((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_;
};

// The window's own source (the random Julia constant of the J key).
void seed_random(unsigned seed);
int random15();

}  // namespace zoquel
