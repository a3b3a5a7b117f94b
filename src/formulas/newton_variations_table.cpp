#include "formulas/newton_variations_table.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zoquel {

namespace {

constexpr Cx re(double x) { return {x, 0}; }

// z^1 .. z^n by repeated products, each power one product from the one before.
struct Powers {
    Powers(const Cx& z, int n) {
        p[1] = z;
        for (int k = 2; k <= n; ++k) p[std::size_t(k)] = p[std::size_t(k - 1)] * z;
    }
    const Cx& operator[](int k) const { return p[std::size_t(k)]; }
    std::array<Cx, 17> p{};
};

Cx power(const Cx& z, int k) { return Powers(z, k)[k]; }

// z^hi and z^(hi - 1) as the real power computes them, sharing the modulus and argument.
void two_powers(const Cx& z, double hi, Cx& high, Cx& low) {
    if (z.re == 0 && z.im == 0) {
        high = low = Cx{};
        return;
    }
    const double r = abs(z), a = arg(z);
    const double rh = std::pow(r, hi), ah = hi * a, rl = std::pow(r, hi - 1), al = (hi - 1) * a;
    high = Cx{rh * std::cos(ah), rh * std::sin(ah)};
    low = Cx{rl * std::cos(al), rl * std::sin(al)};
}

const Cx kOnePlusISquared = Cx{1, 1} * Cx{1, 1};
const Cx kLambda{0.583825, 0.6165};
const Cx kLambdaSquared = kLambda * kLambda;

Cx cosh_square_plus_sinh(const Cx& z) { return nv_cosh(z * z) + nv_sinh(z); }

using C = const Cx&;
using R = Cx&;

constexpr NvClamp kNone{};
constexpr NvClamp both(double limit) { return {NvClamp::both_parts, limit}; }
constexpr NvClamp imaginary(double limit) { return {NvClamp::imaginary_part, limit}; }
constexpr NvClamp kZero{NvClamp::zero_point, 0};

constexpr NvSecantStart Z = NvSecantStart::zero;
constexpr NvSecantStart O = NvSecantStart::offset;
constexpr NvSecantStart L = NvSecantStart::logarithm;

// clang-format off
const std::array<NvFunction, kNvFormulaCount> kFunctions = {{
    {[](C z, R f, R d) {
         const Powers w(z, 3);
         f = w[3] - re(1.0);
         d = 3.0 * w[2];
     },
     3, kNone, kNone, Z, true, "z^3 - 1  |  classic 3rd power"},
    {[](C z, R f, R d) {
         const Powers w(z, 3);
         f = w[3] - 2.0 * z - re(5.0);
         d = 3.0 * w[2] - re(2.0);
     },
     3, kNone, kNone, Z, true, "z^3 - 2z - 5  |  Newton's original formula"},
    {[](C z, R f, R d) {
         const Powers w(z, 7);
         f = w[7] - 14.0 * w[5] + 49.0 * w[3] - 36.0 * z;
         d = 7.0 * w[6] - 70.0 * w[4] + 147.0 * w[2] - re(36.0);
     },
     7, kNone, kNone, O, true, "z^7 - 14z^5 + 49z^3 - 36z  |  all real roots"},
    {[](C z, R f, R d) {
         const Powers w(z, 4);
         f = w[4] + 5.0 * w[2] + re(4.0);
         d = 4.0 * w[3] + 10.0 * z;
     },
     4, kNone, kNone, Z, true, "z^4 + 5z^2 + 4  |  all imaginary roots"},
    // The three roots of 2z^3 + 1.
    {[](C z, R f, R d) {
         const Powers w(z, 3);
         f = (2.0 * w[3] + re(1)) / (3.0 * w[2]);
         d = (2.0 * w[3] - re(2)) / (3.0 * w[3]);
     },
     3, kZero, kZero, O, true, "( 2z^3 + 1 ) / 3z^2"},
    {[](C z, R f, R d) {
         const Powers w(z, 4);
         f = w[4] - 6.0 * w[2] - re(8.0);
         d = 4.0 * w[3] - 12.0 * z;
     },
     4, kNone, kNone, Z, true, "z^4 - 6z^2 - 8  |  convergence failure"},
    {[](C z, R f, R d) {
         const Powers w(z, 5);
         f = w[5] + w[3] - 5.0 * z - re(6.0);
         d = 5.0 * w[4] + 3.0 * w[2] - re(5.0);
     },
     5, kNone, kNone, Z, true, "z^5 + z^3 - 5z - 6"},
    {[](C z, R f, R d) {
         const Powers w(z, 3);
         f = w[3] + 2.0 * w[2] + z + re(3.0);
         d = 3.0 * w[2] + 4.0 * z + re(1.0);
     },
     3, kNone, kNone, Z, true, "z^3 + 2z^2 + z + 3"},
    {[](C z, R f, R d) {
         const Powers w(z, 4);
         f = w[4] + w[3] - re(1.0);
         d = 4.0 * w[3] + 3.0 * w[2];
     },
     4, kNone, kNone, Z, true, "z^4 + z^3 - 1"},
    {[](C z, R f, R d) {
         const Powers w(z, 6);
         f = 0.5 * w[6] + 2.0 * w[3] + re(4.0);
         d = 3.0 * w[5] + 6.0 * w[2];
     },
     6, kNone, kNone, Z, true, "( 0.5 ) z^6 + 2z^3 + 4"},
    // Four double roots.
    {[](C z, R f, R d) {
         const Powers w(z, 8);
         f = w[8] + 2.0 * w[4] + re(1.0);
         d = 8.0 * w[7] + 8.0 * w[3];
     },
     4, kNone, kNone, Z, true, "z^8 + 2z^4 + 1"},
    {[](C z, R f, R d) {
         const Powers w(z, 8);
         f = w[8] + 15.0 * w[4] - re(17.0);
         d = 8.0 * w[7] + 60.0 * w[3];
     },
     8, kNone, kNone, Z, true, "z^8 + 15z^4 - 17"},
    {[](C z, R f, R d) {
         const Powers w(z, 9);
         f = 4.0 * w[9] - 3.0 * w[7] + 5.0 * w[5] - 3.0 * w[3] + 1.5 * z - re(0.5);
         d = 36.0 * w[8] - 21.0 * w[6] + 25.0 * w[4] - 9.0 * w[2] + re(1.5);
     },
     9, kNone, kNone, Z, true, "4z^9 - 3z^7 + 5z^5 - 3z^3 + (1.5) z - 0.5"},
    {[](C z, R f, R d) {
         const Powers w(z, 16);
         f = w[16] + 8.0 * w[4] - re(2.0);
         d = 16.0 * w[15] + 32.0 * w[3];
     },
     16, both(300), both(299.9999), Z, true, "z^16 + 8z^4 - 2"},
    {[](C z, R f, R d) {
         const Powers w(z, 8);
         const Cx& a = kOnePlusISquared;
         f = w[8] - a * w[4] - w[2] + a;
         d = 8.0 * w[7] - 4.0 * a * w[3] - 2.0 * z;
     },
     8, kNone, kNone, Z, true, "z^8 - ( 1 + i )^2 * z^4 - z^2 + ( 1 + i )^2"},
    {[](C z, R f, R d) {
         const Powers w(z, 5);
         Cx z50, z49;
         two_powers(z, 50, z50, z49);
         f = z50 + 8.0 * w[5] - (80.0 / 3.0) * w[4] + 20.0 * w[3] - 2.0 * z + re(1.0);
         d = 50.0 * z49 + 40.0 * w[4] - (320.0 / 3.0) * w[3] + 60.0 * w[2] - re(2.0);
     },
     50, kNone, kNone, Z, true, "z^50 + 8z^5 - ( 80 / 3 )z^4 + 20z^3 - 2z + 1"},
    {[](C z, R f, R d) { f = cos(z); d = -sin(z); },
     18, imaginary(300), imaginary(299.9999), L, true, "cos ( z )"},
    {[](C z, R f, R d) {
         const Powers w(z, 7);
         f = w[7] * cos(z);
         d = 7.0 * w[6] * cos(z) - w[7] * sin(z);
     },
     3, kNone, kNone, O, true, "z^7 * cos ( z )"},
    {[](C z, R f, R d) { f = z * exp(z) - re(1.0); d = (z + re(1.0)) * exp(z); },
     71, both(150), both(149.9999), O, true, "z * e^z - 1"},
    {[](C z, R f, R d) { f = sin(cos(z)); d = -(cos(cos(z)) * sin(z)); },
     50, imaginary(6.5), imaginary(6.4999), Z, false, "sin ( cos ( z ) )"},
    {[](C z, R f, R d) {
         const Cx t = exp(-z * std::log(2.0));
         f = t - re(1.0);
         d = -std::log(2.0) * t;
     },
     50, both(200), both(199.9999), O, false, "2^( -z ) - 1"},
    // The derivative by a central difference along the real axis.
    {[](C z, R f, R d) {
         f = cosh_square_plus_sinh(z);
         d = (cosh_square_plus_sinh(z + re(0.0001)) - cosh_square_plus_sinh(z - re(0.0001))) * 5000.0;
     },
     50, both(16), both(15.9999), Z, false, "cosh ( z^2 ) + sinh ( z )"},
    {[](C z, R f, R d) {
         Cx z47, z46;
         two_powers(z, 47, z47, z46);
         f = z47 + power(8.0 * z, 3) - re(1.0);
         d = 47.0 * z46 + 1536.0 * power(z, 2);
     },
     47, both(299.9999), kNone, Z, true, "z^47 + ( 8z )^3 - 1"},
    {[](C z, R f, R d) {
         const Powers w(z, 3);
         const Cx& l2 = kLambdaSquared;
         f = w[3] - w[2] - l2 * z + l2;
         d = 3.0 * w[2] - 2.0 * z - l2;
     },
     3, kNone, kNone, Z, true, "z^3 - z^2 - ( lambda^2 )z + lambda^2"},
}};
// clang-format on

}  // namespace

Cx nv_log(Cx z) { return {std::log(abs(z)), arg(z)}; }
Cx nv_sinh(Cx z) { return {std::sinh(z.re) * std::cos(z.im), std::cosh(z.re) * std::sin(z.im)}; }
Cx nv_cosh(Cx z) { return {std::cosh(z.re) * std::cos(z.im), std::sinh(z.re) * std::sin(z.im)}; }

void NvClamp::apply(Cx& z) const {
    switch (kind) {
        case none: break;
        case both_parts: z = Cx{std::clamp(z.re, -limit, limit), std::clamp(z.im, -limit, limit)}; break;
        case imaginary_part: z.im = std::clamp(z.im, -limit, limit); break;
        case zero_point:
            if (z == Cx{0, 0}) z = Cx{1e-32, 0};
            break;
    }
}

const NvFunction& nv_function(int index) { return kFunctions[std::size_t(std::clamp(index, 0, kNvFormulaCount - 1))]; }

int nvformula(int index, Cx& z, Cx& f, Cx& d, int& degree) {
    const NvFunction& fn = nv_function(index);
    fn.clamp.apply(z);
    fn.eval(z, f, d);
    degree = fn.degree;
    return 0;
}

int nvnocrash(int index, Cx& z) {
    nv_function(index).nocrash.apply(z);
    return 0;
}

}  // namespace zoquel
