#include "render/coloring.h"

#include <cmath>

#include "render/side_channels.h"
#include "render/type_registry.h"

namespace zoquel {

namespace {

constexpr double kTwoPi = 6.283185307179586;

Rgb solid(int r, int g, int b) { return Rgb{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)}; }

Rgb smoothing(const Settings& s, const RenderState& r, int n, double size) {
    n = palette_index(n);
    const Rgb c1 = s.palette[std::size_t(n)];
    double f;
    if (supplies_smoothing_fraction(s.ftype, s.method))
        f = pixel::nfx;
    else
        f = 1 + r.il * r.lpsm - r.il * std::log(std::log(size));
    if (!(f >= 0)) f = 0;  // also a NaN fraction
    if (f > 1) f = 1;
    const int step = s.ftype == 23 ? s.cindex : 1;
    if (n >= 256 - step) n = 255 - step;
    const Rgb c2 = s.palette[std::size_t(palette_index(n + step))];
    auto blend = [f](int a, int b) { return int(a + (b - a) * f); };
    return solid(blend(c1.r, c2.r), blend(c1.g, c2.g), blend(c1.b, c2.b));
}

Rgb outside_color(const Settings& s, const RenderState& r, int n, double size, double zx, double zy) {
    switch (s.outside) {
        case 0: return solid(s.rout, s.gout, s.bout);
        case 2: return smoothing(s, r, n, size);
        case 3:
        case 4: {
            if (auto own = implementation(s.ftype).binary_decomposition) return own(s, n, zx, zy);
            if (s.outside == 4) return zy < 0 ? solid(0, 0, 0) : solid(255, 255, 255);
            int k = palette_index(n) * 2 % 255 + 1;
            if (zy < 0) k = (k + 128) % 255 + 1;
            return s.palette[std::size_t(k)];
        }
        default: return s.palette[std::size_t(palette_index(n))];
    }
}

Rgb inside_color(const Settings& s, const RenderState& r, int n, double size, double zx, double zy) {
    int k;
    switch (s.inside) {
        case 0: return solid(s.rin, s.gin, s.bin);
        case 1: k = wrapped_index(512 * size); break;
        case 2: {
            if (zx >= 0 && zx < 1e-32) zx = 1e-32;
            if (zx > -1e-32 && zx < 0) zx = -1e-32;
            double a = std::atan2(zy, zx);
            if (a < 0) a += kTwoPi;
            k = wrapped_index(a * 256 / kTwoPi);
            break;
        }
        case 3: k = wrapped_index(r.factor * pixel::infsize * 2); break;
        default: k = palette_index(n); break;
    }
    return s.palette[std::size_t(k)];
}

}  // namespace

int wrapped_index(double v) {
    if (!(v >= 0) || std::isinf(v)) return 1;
    return int(std::fmod(std::trunc(v), 255.0)) + 1;
}

Rgb coloring(const Settings& s, const RenderState& r, int n, double size, double zx, double zy) {
    if (size > s.params().maxsize) return outside_color(s, r, n, size, zx, zy);
    return inside_color(s, r, n, size, zx, zy);
}

}  // namespace zoquel
