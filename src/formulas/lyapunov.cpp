#include "formulas/lyapunov.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>


namespace zoquel {

namespace {

constexpr int kMaxLetters = int(kLyapunovMaxLetters);
constexpr double kRunaway = 100000;
constexpr double kE10 = 22026.4657948;
constexpr double kEMinus10 = 4.53999297625e-05;

class Lyapunov final : public PixelImage {
public:
    explicit Lyapunov(const Settings& s);
    PixelResult pixel(double px, double py) const override;
    void settle(Settings& s) const override { s.length = length_; }

private:
    int markus(double a, double b) const;
    int pickover(double a, double b) const;

    int method_ = 0;
    int algorithm_ = 0;
    int length_ = 2;
    std::array<bool, kMaxLetters> is_a_{true, false};
    double k_ = 1, x01_ = 0.85;
    double x02_ = 0.1, y02_ = 0.1, cc_ = 0.75, dd_ = 0.75;
    double outside_size_ = 17;
};

// Markus: logistic map with r from the sequence; 100 warm-up passes, then up to 199 passes of
// accumulated |r (1 - 2x)|.
int Lyapunov::markus(double a, double b) const {
    // Nothing to average over: no sequence gives no exponent, shown as chaos.
    if (length_ == 0) return 0;
    double x = x01_;
    const double k = k_;
    for (int pass = 0; pass < 100; ++pass) {
        for (int i = 0; i < length_; ++i) {
            const double r = is_a_[std::size_t(i)] ? a : b;
            x = k * (r * x) * (1 - x);
            // NaN counts as a runaway orbit too.
            if (!(std::fabs(x) <= kRunaway)) return 0;
        }
    }
    const bool standard = algorithm_ == 0;
    double logaccum = standard ? 0.0 : 1.0;
    double lnadjust = 0;
    int s = 1;
    for (; s < 200; ++s) {
        for (int i = 0; i < length_; ++i) {
            const double r = is_a_[std::size_t(i)] ? a : b;
            const double rx = r * x;
            x = k * rx * (1 - x);
            if (!(std::fabs(x) <= kRunaway)) return 0;
            const double dfactor = std::fabs(r - 2 * rx);
            if (standard) {
                if (dfactor == 0) return 0;
                logaccum += std::log(dfactor);
            } else {
                logaccum *= dfactor;
                if (logaccum <= 0) return 0;
            }
        }
        if (!standard) {
            // An overflowing product (or NaN) is a growing one: a positive exponent. The test
            // also keeps the rescaling loops below finite.
            if (!std::isfinite(logaccum)) return 0;
            while (logaccum > kE10) logaccum *= kEMinus10, lnadjust += 10;
            while (logaccum < kEMinus10) logaccum *= kE10, lnadjust -= 10;
        }
    }
    if (standard) {
        double lexp = logaccum / (double(s) * length_);
        if (!(lexp <= 0)) return 0;
        if (lexp < -1.99) lexp = -1.99;
        return int((lexp + 2.0) * 127.0);
    }
    const double temp = std::log(logaccum) + lnadjust;
    if (!(temp <= 0)) return 0;
    const double lexp = 1 - std::exp(temp / (double(length_) * s));
    return int((lexp + 2.0) * 83.0);
}

// Pickover: the sine map with a companion orbit held 1e-6 away; the mean log stretch of the
// separation is the exponent.
int Lyapunov::pickover(double a, double b) const {
    double x0 = x02_, y0 = y02_, x = x0, y = y0;
    const double cc = cc_, dd = dd_;
    for (int step = 0; step < 100; ++step) {
        x = std::sin(y0 * b) + cc * std::sin(x0 * b);
        y = std::sin(x0 * a) + dd * std::sin(y0 * a);
        x0 = x, y0 = y;
    }
    double ex = x0 + 1e-6, ey = y0;
    double logaccum = 0;
    int s = 1;
    for (; s < 200; ++s) {
        x = std::sin(y0 * b) + cc * std::sin(x0 * b);
        y = std::sin(x0 * a) + dd * std::sin(y0 * a);
        const double fex = std::sin(ey * b) + cc * std::sin(ex * b);
        const double fey = std::sin(ex * a) + dd * std::sin(ey * a);
        const double dx = fex - x, dy = fey - y;
        double distance = std::sqrt(dx * dx + dy * dy);
        if (distance == 0) distance = 1e-12;
        const double dfactor = 1e-6 / distance;
        ex = x + dx * dfactor;
        ey = y + dy * dfactor;
        logaccum -= std::log(dfactor);
        x0 = x, y0 = y;
    }
    double lexp = logaccum / s;
    // NaN (from a plane too far out for sin to mean anything) gets the lowest colour.
    if (!(lexp >= -1.9)) lexp = -1.9;
    if (lexp > 1.9) lexp = 1.9;
    return int((lexp + 2.0) * 64.0);
}

const char* const kFormulaText[2] = {
    "Lyapunov 1 - Markus\n\n"
    "   x = k * r * x * (1 - x)\n\n"
    "   r = a or b, switched by the letters of the sequence\n"
    "   a = pixel y value, b = pixel x value\n"
    "   x(0) = 0.85, k = 1.0, sequence \"ab\" (defaults)\n\n"
    "The Lyapunov exponent is the mean of ln |r (1 - 2x)| along the orbit,\n"
    "after 100 passes of the sequence to settle.\n"
    "Negative exponents (stable orbits) are shaded, positive ones\n"
    "(chaos) get colour 0.\n\n"
    "Alt + L opens the options: sequence, x(0), k and the algorithm.\n"
    "M. Markus, Chaos in Maps with Continuous and Discontinuous Maxima,\n"
    "Computers in Physics, 1990.",
    "Lyapunov 2 - Pickover ('Latoocarfian Dreams')\n\n"
    "   x1 = sin(y0 * b) + c * sin(x0 * b)\n"
    "   y1 = sin(x0 * a) + d * sin(y0 * a)\n\n"
    "   a = pixel y value, b = pixel x value\n"
    "   x(0) = y(0) = 0.1, c = d = 0.75 (defaults)\n\n"
    "The exponent is the mean logarithmic growth of the distance to a\n"
    "neighbouring orbit started 1.0E-6 away.\n\n"
    "Alt + L opens the options: x(0), y(0), c and d.\n"
    "C. A. Pickover, Chaos in Wonderland, St. Martin's Press, 1994.",
};

Lyapunov::Lyapunov(const Settings& s) {
    const int letters = int(std::min(s.ustring.size(), std::size_t(kMaxLetters)));
    method_ = s.method;
    algorithm_ = s.algorithm;
    length_ = letters;
    // Every letter but a and A stands for b.
    for (int i = 0; i < letters; ++i) {
        const char c = s.ustring[std::size_t(i)];
        is_a_[std::size_t(i)] = c == 'a' || c == 'A';
    }
    k_ = s.k;
    x01_ = s.x01user;
    x02_ = s.x02user;
    y02_ = s.y02user;
    cc_ = s.CC;
    dd_ = s.DD;
    outside_size_ = s.pc[24].maxsize + 1.0;
}

PixelResult Lyapunov::pixel(double px, double py) const {
    PixelResult out;
    // a is the pixel's y, b its x.
    out.n = method_ == 0 ? markus(py, px) : pickover(py, px);
    out.size = outside_size_;
    return out;
}

}  // namespace

TypeImplementation lyapunov_implementation() {
    return {.prepare = [](const ImageInput& in) -> PixelImagePtr { return std::make_unique<Lyapunov>(in.settings); },
            .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
