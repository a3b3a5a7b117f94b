#pragma once
#include "model/type_implementation.h"

namespace zoquel {

constexpr int kPgmFormulas = 8;

// The captions of the perturbations F, as the formula dialog lists them.
const char* pgm_caption(int pgmindex);

// One step of the perturbated gingerbread man: x' = 1 - y + |x| + F(x, y), y' = x, with the
// perturbation of formula `pgmindex` (formulas 5 and 6 first move an exactly-zero divisor
// argument to 1e-6, in the orbit).
void pgm_step(int pgmindex, double& x, double& y);

// Type 6, perturbated gingerbread men: the orbit of the map drawn point by point, 600,000
// points a plot cycling through the palette; a further plot goes on with the orbit.
class GingerbreadMen final : public WholeImage {
public:
    static constexpr int kPoints = 600000;
    static constexpr int kBand = 2353;  // points a palette entry lasts

    explicit GingerbreadMen(const ImageInput& in);
    StepResult step(Canvas& canvas, StepContext& context) override;

    double x() const { return x_; }
    double y() const { return y_; }
    long plotted() const { return plotted_; }
    // Where the point (x, y) is drawn, false outside the image: the origin a third of the way
    // in from the left and from the top, `scale` pixels a unit, y downward.
    static bool plot_position(double x, double y, int scale, int width, int height, Point& at);

private:
    int index_;
    bool fresh_ = true;
    double x_, y_;
    long plotted_ = 0;
};

TypeImplementation pgm_implementation();

}  // namespace zoquel
