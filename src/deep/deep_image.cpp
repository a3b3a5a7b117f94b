#include "deep/deep_image.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

#include "deep/bla_table.h"
#include "deep/deep_view_math.h"
#include "deep/floatexp.h"
#include "deep/reference_orbit.h"

namespace zoquel::deep {

namespace {

// The neglected square of a bilinear step stays below this part of the linear term.
constexpr double kBlaEpsilon = 0x1p-26;

// What an image needs of the settings, taken once.
struct DeepParameters {
    double maxsize = 16;
    int maxiter = 256;
    int method = 0;
    int inside = 0;
    double minsize = 0.001;
    int jperiod = 1;
    int palint = 1;
};

template <class C>
struct Reference {
    ReferenceOrbit orbit;
    BlaTable<C> bla;
};

template <class C>
class DeepImage final : public PixelImage {
public:
    using R = typename RealOf<C>::type;

    DeepImage(const DeepParameters& p, const Attractor& cycle, std::shared_ptr<const Reference<C>> primary,
              std::shared_ptr<const Reference<C>> secondary, R step, int xres, int yres)
        : p_(p), cycle_(cycle), primary_(std::move(primary)), secondary_(std::move(secondary)), step_(step),
          xres_(xres), yres_(yres) {
        siegel_ = p.inside == kInsideSiegelDisks;
        level_sets_ = p.inside == kInsideJuliaLevelSets && p.method == 1;
        p_.jperiod = std::clamp(p.jperiod, 1, kAttractorSize);
    }

    PixelResult pixel(double px, double py) const override {
        // Plane points cannot say where in a deep view they lie: read them as offsets
        // from the centre.
        return offset_pixel(C(px, py));
    }

    bool row_at(int row, int count, PixelResult* out) const override {
        const double dy = (yres_ - 1) * 0.5 - row;
        for (int i = 0; i < count; ++i) out[i] = offset_pixel(C::scaled(i - (xres_ - 1) * 0.5, dy, step_));
        return true;
    }

private:
    PixelResult offset_pixel(const C& offset) const {
        return p_.method == 0 ? orbit(C(), offset) : orbit(offset, C());
    }

    bool near_cycle(double x, double y) const {
        for (int i = 0; i < p_.jperiod; ++i) {
            const double dx = x - cycle_.x[std::size_t(i)], dy = y - cycle_.y[std::size_t(i)];
            if (std::sqrt(dx * dx + dy * dy) < p_.minsize) return true;
        }
        return false;
    }

    // The orbit of z = Z + dz with the parameter C + dc, counted as the double loop counts it.
    PixelResult orbit(C dz, C dc) const;

    DeepParameters p_;
    Attractor cycle_;
    std::shared_ptr<const Reference<C>> primary_, secondary_;
    R step_;
    int xres_, yres_;
    bool siegel_ = false, level_sets_ = false;
};

template <class C>
PixelResult DeepImage<C>::orbit(C dz, C dc) const {
    const Reference<C>* ref = primary_.get();
    const bool has_dc = p_.method == 0;
    std::size_t m = 0;
    long n = 0;
    double r = 0, x = 0, y = 0;
    double smallest = p_.maxsize;
    const long maxiter = p_.maxiter;
    while (r <= p_.maxsize && n < maxiter) {
        long length = 0;
        const BlaStep<C>* skip = ref->bla.find(m, dz.norm(), maxiter - n, length);
        if (skip) {
            dz = has_dc ? skip->a * dz + skip->b * dc : skip->a * dz;
            m += std::size_t(length);
            n += length;
            if (skip->smallest < smallest) smallest = skip->smallest;
        } else {
            const C twice(2 * ref->orbit.re[m], 2 * ref->orbit.im[m]);
            dz = has_dc ? (twice + dz) * dz + dc : (twice + dz) * dz;
            ++m;
            ++n;
        }
        const double zr = ref->orbit.re[m], zi = ref->orbit.im[m];
        const double dx = dz.re_double(), dy = dz.im_double();
        x = zr + dx, y = zi + dy;
        r = std::sqrt(x * x + y * y);
        if (r < smallest) smallest = r;
        if (level_sets_ && near_cycle(x, y)) break;
        // Rebase onto the orbit of the critical point where the pixel's orbit comes closer to
        // 0 than to the reference's, and where the reference ends.
        const double z2 = x * x + y * y;
        if (m == ref->orbit.last() || z2 < 2 * (dx * dx + dy * dy) || z2 < 1e-280) {
            const C z = C(zr, zi) + dz;
            if (m == ref->orbit.last() || z.norm() < dz.norm()) {
                dz = z;
                ref = secondary_.get();
                m = 0;
            }
        }
    }
    PixelResult out;
    if (siegel_) out.infsize = smallest;
    if (r <= p_.maxsize && p_.inside == kInsideJuliaLevelSets) n = n * p_.palint / p_.jperiod + 48;
    out.n = int(n % 255) + 1;
    out.size = r;
    out.zx = x;
    out.zy = y;
    return out;
}

template <class C>
PixelImagePtr make_image(const ImageInput& in, const DeepView& view) {
    using R = typename RealOf<C>::type;
    const Settings& s = in.settings;
    const Param& par = s.params();
    DeepParameters p{par.maxsize, s.maxiter, s.method, s.inside, par.p1, s.jperiod, s.palint};
    const long bits = precision_bits(view.width, s.xres);
    const FloatExp step = pixel_step(view, s.xres);
    // The farthest pixel from the centre.
    const FloatExp c_max = step * FloatExp(std::hypot(s.xres * 0.5, s.yres * 0.5));
    const R step_r = to_real(step, R());
    // Julia level sets test every point of the orbit against the attractor: the tables skip
    // no reference point near enough to it that the pixel's point, within the tables' radius
    // of it, might be near it too.
    std::function<bool(double, double)> near_attractor;
    if (s.inside == kInsideJuliaLevelSets && s.method == 1) {
        const int period = std::clamp(s.jperiod, 1, kAttractorSize);
        const double reach = par.p1 + 4 * kBlaEpsilon * std::max(p.maxsize, 2.0);
        near_attractor = [&in, period, reach](double x, double y) {
            for (int i = 0; i < period; ++i)
                if (std::hypot(x - in.cycle.x[std::size_t(i)], y - in.cycle.y[std::size_t(i)]) < reach) return true;
            return false;
        };
    }
    auto reference = [&](const std::string& re, const std::string& im, const std::string& cre, const std::string& cim,
                         R c_extent) {
        ReferenceOrbit z = reference_orbit(re, im, cre, cim, bits, s.maxiter, p.maxsize,
                                           [&in](double f) { in.host.progress("reference orbit", f); });
        BlaTable<C> table(z, c_extent, kBlaEpsilon, near_attractor);
        return std::make_shared<const Reference<C>>(Reference<C>{std::move(z), std::move(table)});
    };
    std::shared_ptr<const Reference<C>> primary, secondary;
    if (s.method == 0) {
        primary = secondary = reference("0", "0", view.re, view.im, to_real(c_max, R()));
    } else {
        const std::string cre = exact_text(par.jcx), cim = exact_text(par.jcy);
        primary = reference(view.re, view.im, cre, cim, R(0));
        secondary = reference("0", "0", cre, cim, R(0));
    }
    in.host.progress("reference orbit", -1);
    return std::make_unique<DeepImage<C>>(p, in.cycle, primary, secondary, step_r, s.xres, s.yres);
}

}  // namespace

PixelImagePtr prepare_deep_image(const ImageInput& in, const DeepView& view, DeltaNumbers numbers) {
    if (numbers == DeltaNumbers::automatic) {
        // Deltas and the approximation's coefficients grow to about the inverse of the pixel
        // step: doubles hold them down to steps of about 1e-270. In the dynamic plane the
        // deltas of interior pixels shrink towards 0 without end, into subnormal doubles,
        // which cost more than the wide exponent does (measured: 1.5 to 1.7 times as long).
        const bool tiny_step = pixel_step(view, in.settings.xres) < FloatExp(0x1p-900);
        numbers = tiny_step || in.settings.method == 1 ? DeltaNumbers::wide_exponent : DeltaNumbers::doubles;
    }
    if (numbers == DeltaNumbers::wide_exponent) return make_image<ComplexExp>(in, view);
    return make_image<ComplexD>(in, view);
}

}  // namespace zoquel::deep
