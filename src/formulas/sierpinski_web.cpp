#include "formulas/sierpinski_web.h"

#include <cmath>

#include "formulas/escape_time.h"

namespace zoquel {

namespace {

struct Web : EscapeMember {
    double outside;
    explicit Web(const EscapeImage& im) : outside(im.bailout + 1.0) {}
    static Cx critical(Cx c) {
        const Cx w = c * c * c;
        return Cx{0.2 * std::fabs(w.re), 0.2 * std::fabs(w.im)};
    }
    static double step(Cx& z, Cx&) {
        z = 2.0 * z;
        if (z.im > 1)
            z.im -= 1;
        else if (z.re > 1)
            z.re -= 1;
        return abs(z);
    }
    int result(int n, Cx, double& size) const {
        size = outside;
        return n % 255 + 1;
    }
};

// The type has one plane, so both methods show the same text.
const char* const kFormulaText =
    "Sierpinski Web\n\n"
    "   z = 2z, then\n"
    "   if Im z > 1: Im z = Im z - 1\n"
    "   else if Re z > 1: Re z = Re z - 1\n\n"
    "   c = pixel value\n"
    "   z(0) = 0.2 * ( |Re c^3| + |Im c^3| i )\n\n"
    "A doubling map folded back into the unit square; the pixels are\n"
    "coloured by the number of steps before |z| exceeds the bailout.";

PixelImagePtr prepare_web(const ImageInput& in) {
    EscapeImage im = escape_image(in.settings);
    // The pixel is always c; the start value comes from it.
    im.method = 0;
    return std::make_unique<EscapeTimeImage<Web>>(im);
}

}  // namespace

TypeImplementation sierpinski_implementation() {
    return {.prepare = prepare_web, .formula_text = {kFormulaText, kFormulaText}};
}

}  // namespace zoquel
