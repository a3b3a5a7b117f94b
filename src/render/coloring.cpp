#include "render/coloring.h"

#include <cmath>

namespace zoquel {

namespace {

constexpr double kTwoPi = 6.283185307179586;

Rgb solid(int r, int g, int b) { return Rgb{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)}; }

Rgb smoothing(const Settings& s, const ColouringConstants& k, const PixelResult& p) {
    int n = palette_index(p.n);
    const Rgb c1 = s.palette[std::size_t(n)];
    double f;
    if (supplies_smoothing_fraction(s.ftype, s.method))
        f = p.nfx;
    else
        f = 1 + k.il * k.lpsm - k.il * std::log(std::log(p.size));
    if (!(f >= 0)) f = 0;  // also a NaN fraction
    if (f > 1) f = 1;
    const int step = smoothing_step(s);
    if (n >= 256 - step) n = 255 - step;
    const Rgb c2 = s.palette[std::size_t(palette_index(n + step))];
    auto blend = [f](int a, int b) { return int(a + (b - a) * f); };
    return solid(blend(c1.r, c2.r), blend(c1.g, c2.g), blend(c1.b, c2.b));
}

Rgb outside_color(const Settings& s, const ColouringConstants& k, const PixelResult& p, const PixelImage* image) {
    switch (s.outside) {
        case 0: return solid(s.rout, s.gout, s.bout);
        case 2: return smoothing(s, k, p);
        case 3:
        case 4: {
            if (image)
                if (std::optional<Rgb> own = image->binary_decomposition(s, p)) return *own;
            if (s.outside == 4) return p.zy < 0 ? solid(0, 0, 0) : solid(255, 255, 255);
            int index = palette_index(p.n) * 2 % 255 + 1;
            if (p.zy < 0) index = (index + 128) % 255 + 1;
            return s.palette[std::size_t(index)];
        }
        default: return s.palette[std::size_t(palette_index(p.n))];
    }
}

Rgb inside_color(const Settings& s, const ColouringConstants& k, const PixelResult& p) {
    int index;
    switch (s.inside) {
        case 0: return solid(s.rin, s.gin, s.bin);
        case 1: index = wrapped_index(512 * p.size); break;
        case 2: {
            double zx = p.zx;
            if (zx >= 0 && zx < 1e-32) zx = 1e-32;
            if (zx > -1e-32 && zx < 0) zx = -1e-32;
            double a = std::atan2(p.zy, zx);
            if (a < 0) a += kTwoPi;
            index = wrapped_index(a * 256 / kTwoPi);
            break;
        }
        case 3: index = wrapped_index(k.factor * p.infsize * 2); break;
        default: index = palette_index(p.n); break;
    }
    return s.palette[std::size_t(index)];
}

}  // namespace

Rgb coloring(const Settings& s, const ColouringConstants& k, const PixelResult& p, const PixelImage* image) {
    if (p.size > s.params().maxsize) return outside_color(s, k, p, image);
    return inside_color(s, k, p);
}

}  // namespace zoquel
