#pragma once
#include <functional>
#include <string>
#include <vector>

namespace zoquel::deep {

// The orbit Z(0) = start, Z(n+1) = Z(n)^2 + c, computed in `bits` of precision and kept
// rounded to doubles: Z(0) .. Z(M), where Z(M) is the first point beyond `bailout` (or
// M = steps). The numbers are texts MPFR reads: decimal, or C hexadecimal ("%a") for doubles
// given exactly.
struct ReferenceOrbit {
    std::vector<double> re, im;
    std::size_t last() const { return re.size() - 1; }
};

// `progress` hears the fraction of `steps` done, a few hundred times (and at least every 16384
// steps, so that it may throw to abandon a long orbit soon after it is no longer wanted).
ReferenceOrbit reference_orbit(const std::string& start_re, const std::string& start_im, const std::string& c_re,
                               const std::string& c_im, long bits, int steps, double bailout,
                               const std::function<void(double)>& progress = {});

// A double as text that reads back to exactly that value at any precision.
std::string exact_text(double x);

}  // namespace zoquel::deep
