#pragma once
#include "model/type_implementation.h"

namespace zoquel {

// drawdot: the point and its four neighbours in colour c, each only where it lies inside
// `test` (the image, or the window's part of it); returns how many were set.
int drawdot(Canvas& canvas, Where where, int x, int y, const Rect& test, Pixel c);

// Type 39: the Mandelbrot set (method 0) or the Julia set of the constant (method 1) of
// z^2 + c in fixed colours, a row a step; clicks on the finished image trace the orbit of the
// clicked point (draworbits), a click again puts the clean image back.
class Orbits final : public WholeImage {
public:
    static constexpr int kTraceDelayMs = 25;

    explicit Orbits(const ImageInput& in);
    StepResult step(Canvas& canvas, StepContext& context) override;
    WholeImagePtr trace(Point pixel, const Settings& s) const override;
    bool restore_clean(Canvas& canvas) const override;

    // The colour of the image at the plane point c (method 0) or z (method 1).
    Pixel colour_at(double x, double y) const;

private:
    int method_;
    ImageGeometry geometry_;
    double cx_, cy_;
    int row_ = 0;
    Surface clean_;  // the finished image, for erasing traces
    double il_, lp_;
};

TypeImplementation orbits_implementation();

}  // namespace zoquel
