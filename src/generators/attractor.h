#pragma once
#include "model/type_implementation.h"

namespace zoquel {

struct XYZ {
    double x = 0, y = 0, z = 0;
};

// rotatexyz: turns a point about the X, then the Y, then the Z axis by the angles in degrees,
// each turn by polar coordinates in its plane.
XYZ rotatexyz(XYZ p, double ax_degrees, double ay_degrees, double az_degrees);

// Type 33, 3D attractors seen through a rotation (columns 3 to 5, degrees): method 0 the
// Lorenz system, 10,000 Euler steps a plot drawn as a polyline that goes on from plot to plot;
// method 1 the KAMTorus, 1001 orbits of an area-preserving map, each orbit a paced step, the
// whole torus drawn again by every plot.
class Attractor3D final : public WholeImage {
public:
    static constexpr int kLorenzBatch = 10000;
    static constexpr int kLorenzHidden = 11;  // steps of every batch that draw nothing
    static constexpr int kTorusOrbitDelayMs = 5;

    explicit Attractor3D(const ImageInput& in);
    void begin_plot() override { orbit_ = 0; }
    StepResult step(Canvas& canvas, StepContext& context) override;

    // `steps` Euler steps of the Lorenz trajectory from where it stands (a plot draws
    // kLorenzBatch); the first kLorenzHidden of them draw nothing.
    void lorenz_batch(Canvas& canvas, const Settings& s, int steps = kLorenzBatch);
    XYZ lorenz_point() const { return p0_; }
    Point last_plotted() const { return plot0_; }

private:
    void torus_orbit(Canvas& canvas, const Settings& s);

    int method_;
    int width_, height_;
    bool fresh_ = true;
    // Lorenz
    XYZ p0_{0.6, 0.6, 0.6};
    double xres_over_70_, yres_over_70_;
    Point plot0_;
    // KAMTorus
    double sin_theta_, cos_theta_;
    double orbit_ = 0;
};

TypeImplementation attractor_implementation();

}  // namespace zoquel
