#include "formulas/biomorph.h"

#include <cmath>
#include <limits>

#include "formulas/escape_time.h"

namespace zoquel {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kInverseTwoPi = 0.15915494309189535;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// z^z = exp(z log z). At z = 0 it is taken as 1, its limit along the positive real axis (and
// the usual 0^0), so an orbit through 0 goes on with a finite value.
Cx self_power(Cx z) {
    if (z.re == 0 && z.im == 0) return Cx{1, 0};
    const Cx log_z{std::log(abs(z)), arg(z)};
    return exp(z * log_z);
}

Cx power_by_products(Cx z, int n) {
    Cx p = z;
    for (int i = 1; i < n; ++i) p = p * z;
    return p;
}

template <int V>
Cx variation(Cx z, Cx c) {
    if constexpr (V == 0) return z * z + c;
    if constexpr (V == 1) return z * z * z + c;
    if constexpr (V == 2) return z * z * z * z + c;
    if constexpr (V == 3) return power_by_products(z, 5) + c;
    if constexpr (V == 4) return power_by_products(z, 6) + c;
    if constexpr (V == 5) return pow(z, 1.5) + c;
    if constexpr (V == 6) return sin(z) + z * z + c;
    if constexpr (V == 7) return sin(z) + exp(z) + c;
    if constexpr (V == 8) return self_power(z) + power_by_products(z, 4) - z + c;
    if constexpr (V == 9) return self_power(z) + power_by_products(z, 6) + c;
    if constexpr (V == 10) return pow(z, 7.0) + pow(z, 5.0) - pow(z, 3.0) + z + c;
}

// A NaN part comes only from an overflow (infinity minus infinity, infinity times 0): it is
// taken as infinite, a part that has escaped, so no NaN reaches the angle or a colour index.
double escaped_if_nan(double v) { return std::isnan(v) ? kInfinity : v; }

// The biomorph colouring of an orbit that ended at (zx, zy) after n steps; zx may become 1e-6.
int biomorph_color(int n, double& zx, double& zy, double maxsize) {
    zx = escaped_if_nan(zx);
    zy = escaped_if_nan(zy);
    int k;
    if (std::fabs(zx) >= maxsize && std::fabs(zy) >= maxsize) {
        k = 2 * n + 62;
    } else {
        if (zx == 0) zx = 1e-6;
        double angle = std::atan2(zy, zx);
        if (angle < 0) angle += kTwoPi;
        k = (2 * int(angle * 256 * kInverseTwoPi)) % 255 + 63;
    }
    return k % 255 + 1;
}

template <int V>
struct Biomorph : EscapeMember {
    static constexpr bool kDynamicOnly = true;
    double maxsize;
    Cx last;  // the latest iterate, for the test on its parts
    explicit Biomorph(const EscapeImage& im) : maxsize(im.bailout) {}
    bool settled(double size) const {
        return !(std::fabs(last.re) < maxsize && std::fabs(last.im) < maxsize && size < maxsize);
    }
    double step(Cx& z, Cx& c) {
        z = variation<V>(z, c);
        last = z;
        return abs(z);
    }
    // The colour comes from the end point: by its angle where a part is still small, else by
    // the step count. Every pixel is reported outside.
    int result(int n, Cx& z, double& size) const {
        size = maxsize + 1.0;
        return biomorph_color(n, z.re, z.im, maxsize);
    }
};

template <int V>
PixelImagePtr prepare_variation(const ImageInput& in) {
    return std::make_unique<EscapeTimeImage<Biomorph<V>>>(escape_image(in.settings));
}

constexpr PreparePixelImage kVariations[kBiomorphVariations] = {
    prepare_variation<0>, prepare_variation<1>, prepare_variation<2>, prepare_variation<3>,
    prepare_variation<4>, prepare_variation<5>, prepare_variation<6>, prepare_variation<7>,
    prepare_variation<8>, prepare_variation<9>, prepare_variation<10>};

PixelImagePtr prepare_biomorph(const ImageInput& in) {
    const int v = in.settings.bindex;
    return kVariations[v >= 0 && v < kBiomorphVariations ? v : 0](in);
}

const char* const kCaptions[kBiomorphVariations] = {
    "z^2 + c",
    "z^3 + c",
    "z^4 + c",
    "z^5 + c",
    "z^6 + c",
    "z^1.5 + c  -  'Glynn function'",
    "sin(z) + z^2 + c",
    "sin(z) + exp(z) + c",
    "z^z + z^4 - z + c",
    "z^z + z^6 + c",
    "z^7 + z^5 - z^3 + z + c",
};

// The type always runs in method 1; method 0 has the short text.
const char* const kFormulaText[2] = {
    "Biomorphs\n\n"
    "   z = F(z) + c, F chosen in the variation dialog (B)\n\n"
    "   c = constant, (0.5 + 0i) by default\n"
    "   z(0) = pixel value\n\n"
    "B chooses the variation. Try the Glynn function\n"
    "z^1.5 + c with c = (-0.2 + 0i) for a fractal tree.",
    "Biomorphs\n\n"
    "   z = F(z) + c, F chosen in the variation dialog (B):\n"
    "   z^2 ... z^6, z^1.5, sin(z) + z^2, sin(z) + exp(z),\n"
    "   z^z + z^4 - z, z^z + z^6, z^7 + z^5 - z^3 + z\n\n"
    "   c = constant, (0.5 + 0i) by default\n"
    "   z(0) = pixel value\n\n"
    "The orbit stops when |Re z|, |Im z| or |z| reaches maxsize. If the\n"
    "real or the imaginary part is still small, the point belongs to the\n"
    "biomorph and is coloured by the angle of z; else by the step count.\n"
    "Alt + B loads the black-and-white biomorph palette.\n"
    "C. A. Pickover, Computers, Pattern, Chaos and Beauty, 1990.",
};

}  // namespace

const char* biomorph_caption(int bindex) {
    return bindex >= 0 && bindex < kBiomorphVariations ? kCaptions[bindex] : "";
}

TypeImplementation biomorph_implementation() {
    return {.prepare = prepare_biomorph, .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
