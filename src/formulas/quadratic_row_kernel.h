#pragma once
#include <vector>

namespace zoquel {

// The escape-time loop of z = z*z + c, for many points at once, with the scalar loop's exact
// operations: t = x*x - y*y, y = x*y + y*x, x = t + cr, y = y + ci, r = sqrt(x*x + y*y),
// repeated while r <= radius and n < maxiter.
struct QuadraticRow {
    const double* zr0;  // start z, per point
    const double* zi0;
    const double* cr;   // c, per point
    const double* ci;
    int count;
    double radius;
    int maxiter;
};

// Writes for every point the number of steps taken and the last iterate with its modulus.
// False, with nothing written, where the processor has no vector loop (the caller then uses
// the scalar one) or the loop would not take a step.
bool quadratic_escape_row(const QuadraticRow& row, int* steps, double* zx, double* zy, double* size);

// Start points gathered for the vector loop by plane: on the parameter plane (method 0) z
// starts at 0 and c is the point; on the dynamic plane z starts at the point and c is fixed.
class QuadraticBatch {
public:
    void start(int method, double cx, double cy);
    void add(double x, double y);
    // Iterates every point added since start, writing as quadratic_escape_row does.
    bool run(double radius, int maxiter, int* steps, double* zx, double* zy, double* size) const;

private:
    int method_ = 0;
    double cx_ = 0, cy_ = 0;
    std::vector<double> zr_, zi_, cr_, ci_;
};

// The largest q with sqrt(q) <= radius: comparing |z|^2 with it decides exactly as
// comparing the rounded |z| with the radius does.
double squared_radius_threshold(double radius);

}  // namespace zoquel
