#pragma once
#include "model/complex_math.h"

namespace zoquel {

constexpr int kNvFormulaCount = 24;

// Keeps z in a range where a function cannot overflow or divide by zero.
struct NvClamp {
    enum Kind { none, both_parts, imaginary_part, zero_point } kind = none;
    double limit = 0;
    void apply(Cx& z) const;
};

// Where the secant method takes its second start value from.
enum class NvSecantStart { zero, offset, logarithm };

// One of the functions whose roots type 27 looks for.
struct NvFunction {
    void (*eval)(const Cx& z, Cx& f, Cx& d);  // f(z) and f'(z)
    int degree;               // how many distinct roots the root search stops at
    NvClamp clamp;            // on z before every evaluation
    NvClamp nocrash;          // on the secant's second point
    NvSecantStart secant_start;
    bool basins;              // whether roots are searched and basins told apart
    const char* caption;      // as the formula dialog lists it
};

// index 0..kNvFormulaCount-1
const NvFunction& nv_function(int index);

// The functions the table needs beyond the shared ones.
Cx nv_log(Cx z);
Cx nv_sinh(Cx z);
Cx nv_cosh(Cx z);

// Clamps z in place as the function requires, then writes f(z), f'(z) and the root count.
int nvformula(int index, Cx& z, Cx& f, Cx& d, int& degree);
// The secant's second point kept in a safe range, in place.
int nvnocrash(int index, Cx& z);

}  // namespace zoquel
