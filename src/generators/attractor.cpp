#include "generators/attractor.h"

#include <algorithm>
#include <cmath>

namespace zoquel {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 2 * kPi;

const char* const kFormulaText[2] = {
    "3D Attractors: Lorenz\n\n"
    "   dx/dt = 10 (y - x)\n"
    "   dy/dt = (28 - z) x - y\n"
    "   dz/dt = x y - (8/3) z\n\n"
    "   from (0.6, 0.6, 0.6), Euler steps of dt = 0.005\n\n"
    "Each plot draws 10,000 more steps of the trajectory, coloured by\n"
    "its speed. The X, Y and Z axis rotations (degrees, F8) turn the\n"
    "attractor before it is projected onto the screen.",
    "3D Attractors: KAMTorus\n\n"
    "   x1 = x cos a + (x^2 - y) sin a\n"
    "   y1 = x sin a - (x^2 - y) cos a,   a = 1.3\n\n"
    "   1001 orbits, from x = y = orbit / 3, orbit = 0 .. 5 in steps\n"
    "   of 0.005, each lifted to the height orbit - 1.25\n\n"
    "An area-preserving map: its orbits wind around nested tori. The\n"
    "X, Y and Z axis rotations (F8) turn the stack of orbits.",
};

// One plane rotation by polar coordinates: (a, b) = r (cos phi, sin phi), phi turned by the
// angle and brought back below 2 pi.
void turn(double& a, double& b, double angle, bool degenerate) {
    const double r = std::sqrt(a * a + b * b);
    double phi = degenerate ? kPi / 2 : std::atan2(b, a);
    if (phi < 0) phi += kTwoPi;
    phi += angle;
    if (phi > kTwoPi) phi -= kTwoPi;
    a = r * std::cos(phi);
    b = r * std::sin(phi);
}

// The palette index of a step's speed: 1..255, entry 0 never.
int speed_colour(double dx, double dy) {
    const double v = 255 * (2.0 / 3) * std::sqrt(dx * dx + dy * dy);
    if (!(v >= 1)) return 1;
    if (v >= 255) return 255;
    return int(v);
}

}  // namespace

XYZ rotatexyz(XYZ p, double ax_degrees, double ay_degrees, double az_degrees) {
    const double ax = ax_degrees * kPi / 180, ay = ay_degrees * kPi / 180, az = az_degrees * kPi / 180;
    // About X: in the (z, y) plane, angle measured from z.
    double z = p.z, y = p.y;
    turn(z, y, ax, std::fabs(p.z) < 1e-16);
    // About Y: in the (x, z) plane.
    double x = p.x;
    const bool x_degenerate = std::fabs(x) < 1e-16;
    turn(x, z, ay, x_degenerate);
    // About Z: in the (x, y) plane.
    const bool xy_degenerate = std::fabs(x) < 1e-16;
    turn(x, y, az, xy_degenerate);
    return XYZ{x, y, z};
}

Attractor3D::Attractor3D(const ImageInput& in)
    : method_(in.settings.method),
      width_(in.settings.xres),
      height_(in.settings.yres),
      xres_over_70_(double(in.settings.xres / 70)),
      yres_over_70_(double(in.settings.yres / 70)),
      sin_theta_(std::sin(1.3)),
      cos_theta_(std::cos(1.3)) {}

void Attractor3D::lorenz_batch(Canvas& canvas, const Settings& s, int steps) {
    const Param& p = s.pc[33];
    const double dt = 0.005, beta = 2.6666666666666665;
    for (int i = 0; i < steps; ++i) {
        const double x = p0_.x, y = p0_.y, z = p0_.z;
        const double x1 = x + 10 * (y - x) * dt;
        const double y1 = y + ((28 - z) * x - y) * dt;
        const double z1 = z + (x * y - beta * z) * dt;
        const double dx = x1 - x, dy = y1 - y;
        p0_ = XYZ{x1, y1, z1};
        const XYZ r = rotatexyz(XYZ{x1 * xres_over_70_, y1 * yres_over_70_, z1 * xres_over_70_ - 3 * (width_ / 8)},
                                p.p0, p.p1, p.p2);
        // In doubles first: a point that leaves the image is drawn clipped, never converted
        // from a value no pixel can hold.
        const Point at{pixel_coordinate(std::trunc(r.x) + width_ / 2), pixel_coordinate(std::trunc(r.y) + height_ / 2)};
        if (i >= kLorenzHidden) {
            const Pixel colour = pack(s.palette[std::size_t(speed_colour(dx, dy))]);
            canvas.line(plot0_, at, colour, 1, Where::image);
            const Rect& shown = canvas.screen_area();
            auto on_screen = [&](Point q) { return q.x < shown.right && q.y < shown.bottom; };
            if (on_screen(plot0_) && on_screen(at)) canvas.line(plot0_, at, colour, 1, Where::screen);
        }
        plot0_ = at;
    }
}

void Attractor3D::torus_orbit(Canvas& canvas, const Settings& s) {
    const Param& p = s.pc[33];
    double x = orbit_ * (1.0 / 3), y = orbit_ * (1.0 / 3);
    for (int point = 0; point < 110; ++point) {
        const double x1 = x * cos_theta_ + (x * x - y) * sin_theta_;
        const double y1 = x * sin_theta_ - (x * x - y) * cos_theta_;
        const double z1 = orbit_ - 1.25;
        const double dx = x1 - x, dy = y1 - y;
        x = x1;
        y = y1;
        const XYZ r = rotatexyz(XYZ{x1, y1, z1}, p.p0, p.p1, p.p2);
        const double px = std::trunc(std::trunc(width_ * r.x * 0.35) + width_ * 0.4);
        const double py = height_ - 1 - std::trunc(std::trunc(height_ * r.y * 0.35) + height_ * 0.475);
        if (px >= 0 && px < width_ && py >= 0 && py < height_)
            canvas.plot(int(px), int(py), pack(s.palette[std::size_t(speed_colour(dx, dy))]));
        if (std::fabs(x1) >= 1000000 || std::fabs(y1) >= 1000000) break;
    }
}

StepResult Attractor3D::step(Canvas& canvas, StepContext& context) {
    const Settings& s = context.settings;
    if (fresh_) {
        fresh_ = false;
        canvas.start_afresh(pack(s.rout, s.gout, s.bout));
    }
    if (method_ == 0) {
        lorenz_batch(canvas, s);
        return StepResult{};
    }
    torus_orbit(canvas, s);
    // 1001 orbits, by repeated addition, each shown before the next.
    orbit_ += 0.005;
    if (orbit_ < 5.0) return StepResult{true, kTorusOrbitDelayMs, false};
    return StepResult{};
}

TypeImplementation attractor_implementation() {
    return {.whole = [](const ImageInput& in) -> WholeImagePtr { return std::make_unique<Attractor3D>(in); },
            .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
