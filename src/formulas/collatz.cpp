#include "formulas/collatz.h"

#include <cmath>

#include "formulas/escape_time.h"

namespace zoquel {

namespace {

using cplx = std::complex<double>;

constexpr double kPi = 3.141592653589793;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kSqrt2 = 1.4142135623730951;
constexpr double kCritical = -1.27107;  // f'(-1.27107) = 0
constexpr double kImagLimit = 50;  // cos and sin stay finite out to here

double modulus(cplx z) { return std::sqrt(z.real() * z.real() + z.imag() * z.imag()); }

cplx clamp_imag(cplx z) {
    if (z.imag() > kImagLimit) return {z.real(), kImagLimit};
    if (z.imag() < -kImagLimit) return {z.real(), -kImagLimit};
    return z;
}

// One Newton step on F(z) = (7z + 2) - (5z + 2) cos(pi z) - a0x4, that is 4 (f(z) - a0).
cplx newton_step(cplx z, cplx a0x4) {
    const cplx piz = kPi * z;
    const cplx c = std::cos(piz), s = std::sin(piz);
    const cplx f = (7.0 * z + 2.0) - (5.0 * z + 2.0) * c - a0x4;
    cplx d = 7.0 - 5.0 * c + kPi * (5.0 * z + 2.0) * s;
    if (d == cplx(0, 0)) d = cplx(1e-32, 0);
    return z - f / d;
}

// The same on f(z) - a0 itself, as the root search runs it.
cplx search_step(cplx z, cplx a0) {
    const cplx piz = kPi * z;
    const cplx c = std::cos(piz), s = std::sin(piz);
    const cplx f = ((7.0 * z + 2.0) - (5.0 * z + 2.0) * c) / 4.0 - a0;
    cplx d = (7.0 - 5.0 * c + kPi * (5.0 * z + 2.0) * s) / 4.0;
    if (d == cplx(0, 0)) d = cplx(1e-32, 0);
    return z - f / d;
}

// The map plus c, from 0 or from the critical point.
template <bool FromCritical>
struct CollatzMap : EscapeMember {
    explicit CollatzMap(const EscapeImage&) {}
    static Cx critical(Cx) { return FromCritical ? Cx{kCritical, 0} : Cx{}; }
    // cos^2 = 1 - sin^2 folded in: z/2 + (2.5z + 1) sin^2(pi z/2) + c.
    static double step(Cx& z, Cx& c) {
        z = 0.5 * z + (2.5 * z + Cx{1, 0}) * sqr(sin(kPi * 0.5 * z)) + c;
        return abs(z);
    }
    static int result(int n, Cx, double&) { return (2 * n) % 256; }
};

struct Johnston : EscapeMember {
    static constexpr bool kDynamicOnly = true;
    explicit Johnston(const EscapeImage&) {}
    // Products left to right: ((3z + 1)/16 (1 - C)) (3 - sqrt 2 K).
    static double step(Cx& z, Cx& c) {
        const Cx one{1, 0};
        const Cx cz = cos(kPi * z);
        const Cx k = cos((2.0 * z - one) * kQuarterPi);
        z = (0.25 * z) * (one + cz) + ((0.0625 * (3.0 * z + one)) * (one - cz)) * (Cx{3, 0} - kSqrt2 * k) + c;
        return abs(z);
    }
    static int result(int n, Cx, double&) { return (2 * n) % 256; }
};

PixelImagePtr prepare_collatz(const ImageInput& in) {
    if (in.settings.collatzcrit == 1) return prepare_escape_time<CollatzMap<true>>(in);
    return prepare_escape_time<CollatzMap<false>>(in);
}

class CollatzNewton final : public PixelImage {
public:
    CollatzNewton(const Settings& s, const CollatzRootTable& table);
    PixelResult pixel(double px, double py) const override;
    void settle(Settings& s) const override { s.cnrootcount = rootcount_; }

private:
    int method_ = 0;
    int maxiter_ = 256;
    double maxsize_ = 72;
    cplx a0x4_{};
    double logbailout_ = std::log(0.001);
    int cindex_ = 1;
    bool smoothing_ = false;
    int rootcount_ = 0;
    std::array<cplx, kCollatzRootSlots> roots_{};
    EscapeImage johnston_;
};

const char* const kCollatzText[2] = {
    "Collatz (Parameter Plane)\n\n"
    "   z = z/2 * cos^2(pi z/2) + (3z + 1) * sin^2(pi z/2) + c\n\n"
    "   c = pixel value\n"
    "   z(0) = (0 + 0i), or the critical point (-1.27107 + 0i)\n\n"
    "The map is z/2 for even and 3z + 1 for odd integers: the\n"
    "Collatz (3x + 1) problem extended to the complex plane.\n"
    "Alt + D switches z(0) between 0 and the critical point.",
    "Collatz (Dynamic Plane)\n\n"
    "   z = z/2 * cos^2(pi z/2) + (3z + 1) * sin^2(pi z/2) + c\n\n"
    "   c = constant, (0 + 0i) by default\n"
    "   z(0) = pixel value\n\n"
    "With c = 0 the integers follow the Collatz sequence.",
};

const char* const kCollatzNewtonText[2] = {
    "Collatz Newton\n\n"
    "   Newton's method on f(z) = a0 with\n"
    "   f(z) = z/2 * cos^2(pi z/2) + (3z + 1) * sin^2(pi z/2)\n\n"
    "   z(0) = pixel value\n"
    "   a0 = (0 + 0i) by default (parameters a0 x, a0 y)\n\n"
    "Each pixel is coloured by the number of steps its orbit needs to\n"
    "reach one of the roots of the root table.\n"
    "C recomputes the roots for the current a0;\n"
    "Alt + C switches the palette interval between 1 and 2.",
    "Collatz - Johnston Modification\n\n"
    "   z = z/4 * (1 + cos(pi z))\n"
    "     + (3z + 1)/16 * (1 - cos(pi z)) * (3 - sqrt(2) * cos((2z - 1) pi/4)) + c\n\n"
    "   c = constant, (0 + 0i) by default\n"
    "   z(0) = pixel value\n\n"
    "Johnston's smoother extension of the Collatz map to the\n"
    "complex plane. Every pixel is coloured as outside.",
};

// A few lowercase letters, 5 x 8, one row per byte with the leftmost pixel in bit 4: enough
// for the panel's caption without a font.
struct Glyph {
    char c;
    std::uint8_t rows[8];
};
constexpr Glyph kGlyphs[] = {
    {'a', {0x00, 0x00, 0x0E, 0x01, 0x0F, 0x11, 0x0F, 0x00}},
    {'c', {0x00, 0x00, 0x0E, 0x10, 0x10, 0x10, 0x0E, 0x00}},
    {'g', {0x00, 0x00, 0x0F, 0x11, 0x11, 0x0F, 0x01, 0x0E}},
    {'i', {0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E, 0x00}},
    {'l', {0x0C, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E, 0x00}},
    {'n', {0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11, 0x00}},
    {'o', {0x00, 0x00, 0x0E, 0x11, 0x11, 0x11, 0x0E, 0x00}},
    {'r', {0x00, 0x00, 0x16, 0x19, 0x10, 0x10, 0x10, 0x00}},
    {'s', {0x00, 0x00, 0x0F, 0x10, 0x0E, 0x01, 0x1E, 0x00}},
    {'t', {0x04, 0x04, 0x1F, 0x04, 0x04, 0x04, 0x03, 0x00}},
    {'u', {0x00, 0x00, 0x11, 0x11, 0x11, 0x13, 0x0D, 0x00}},
};

// Transparent text, each glyph pixel drawn as a 2 x 2 block.
void draw_text(Surface& screen, int x, int y, const char* text, Pixel color) {
    for (; *text; ++text, x += 12) {
        for (const Glyph& g : kGlyphs) {
            if (g.c != *text) continue;
            for (int row = 0; row < 8; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g.rows[row] & (0x10 >> col)) screen.fill_rect(Rect{x + 2 * col, y + 2 * row, x + 2 * col + 2, y + 2 * row + 2}, color);
        }
    }
}

CollatzNewton::CollatzNewton(const Settings& s, const CollatzRootTable& table)
    : method_(s.method),
      maxiter_(s.maxiter),
      maxsize_(s.pc[23].maxsize),
      a0x4_(4.0 * cplx(s.pc[23].p1, s.pc[23].p2)),
      cindex_(s.cindex == 2 ? 2 : 1),
      smoothing_(s.outside == kOutsideSmoothing),
      rootcount_(table.count),
      roots_(table.roots),
      johnston_(escape_image(s)) {}

PixelResult CollatzNewton::pixel(double px, double py) const {
    if (method_ == 1) {
        PixelResult out = escape_time<Johnston>(johnston_, px, py);
        out.size = maxsize_ + 1.0;
        return out;
    }
    // Pass 1: where does the orbit settle?
    cplx z(px, py);
    double dz = 1.0;
    int n = 0;
    while (n < maxiter_ && dz > 0.001) {
        const cplx z1 = newton_step(z, a0x4_);
        dz = modulus(z1 - z);
        z = clamp_imag(z1);
        ++n;
    }
    PixelResult out;
    int root = 0;
    while (root < rootcount_ && !(modulus(roots_[std::size_t(root)] - z) < 0.0015)) ++root;
    out.root = root;

    if (root == rootcount_) {
        // A root the table does not know: the orbit never reaches a known root. Its last
        // point stands for where it went.
        n = maxiter_;
    } else {
        // Pass 2: count the steps to that root.
        const cplx target = roots_[std::size_t(root)];
        z = cplx(px, py);
        cplx z0temp = z;
        double z1size = 1.0;
        n = 0;
        while (n < maxiter_ && z1size > 0.001) {
            const cplx z1 = newton_step(z, a0x4_);
            z1size = modulus(target - z1);
            z0temp = z;
            z = clamp_imag(z1);
            ++n;
        }
        if (smoothing_) {
            const double z0size = modulus(target - z0temp);
            const double dtemp = std::log(z0size) - std::log(z1size);
            double f = 0;
            if (!(z1size < 1e-32) && dtemp >= 1e-32) f = (std::log(z0size) - logbailout_) / dtemp;
            if (!(f >= 0)) f = 0;
            if (f > 1) f = 1.0;
            out.nfx = f;
        }
    }
    out.zx = z.real();
    out.zy = z.imag();
    out.size = maxsize_ + 1.0;
    out.n = (n * cindex_) % 255 + 1;
    return out;
}

PixelImagePtr prepare_collatznewton(const ImageInput& in) {
    const Settings& s = in.settings;
    const Param& p = s.pc[23];
    const cplx a0(p.p1, p.p2);
    // A file or the parameter dialog may have brought another a0 than the table is for.
    if (s.method == 0 && collatz_roots(in.memory).a0 != a0) in.memory.collatz = cncalculateroots(a0, in.host);
    return std::make_unique<CollatzNewton>(s, collatz_roots(in.memory));
}

}  // namespace

const CollatzRootTable& collatz_roots(const TypeMemory& memory) {
    return memory.collatz ? *memory.collatz : builtin_collatz_roots();
}

CollatzRootTable scan_collatz_roots(std::complex<double> a0, const std::function<void(double x0)>& column) {
    CollatzRootTable t;
    t.a0 = a0;
    t.roots.fill(cplx(100, 100));
    t.count = 0;
    // The start points are stepped by repeated addition, as the table was built.
    for (double x0 = -30; x0 < 30; x0 += 0.1) {
        for (double y0 = -0.4; y0 < 0.4 && t.count != kCollatzRootSlots; y0 += 0.1) {
            cplx z(x0, y0);
            for (int step = 0; step < 512; ++step) {
                const cplx z1 = search_step(z, a0);
                const double d = modulus(z1 - z);
                z = clamp_imag(z1);
                if (!(d > 1e-20)) break;
            }
            // Real roots only from start points left of 2 Re(a0): the others repeat them.
            const bool accepted = std::fabs(z.imag()) >= 0.01 || (z.real() >= 0 && 2 * a0.real() >= x0);
            if (!accepted) continue;
            bool known = false;
            for (int k = 0; k < t.count && !known; ++k) known = modulus(t.roots[std::size_t(k)] - z) < 1e-10;
            if (!known && t.count < kCollatzRootSlots && std::fabs(z.real()) < 30 && std::fabs(z.imag()) < 30)
                t.roots[std::size_t(t.count++)] = z;
        }
        if (column) column(x0);
    }
    return t;
}

CollatzRootTable cncalculateroots(std::complex<double> a0, Host& host) {
    Surface& screen = host.screen();
    const Rect panel{0, 0, 445, 100};
    Surface under(panel.width(), panel.height());
    under.copy_from(screen, panel, 0, 0);
    host.begin_busy();
    screen.fill_rect(Rect{0, 0, 345, 100}, pack(0x00, 0x70, 0x80));
    draw_text(screen, 20, 10, " calculating roots ", pack(0x00, 0xFF, 0xFF));
    screen.fill_rect(Rect{20, 41, 326, 60}, kWhite);
    host.present(Rect{0, 0, 345, 100});
    int columns = 0;
    CollatzRootTable found = scan_collatz_roots(a0, [&](double x0) {
        const int x = int(5 * x0) + 173;
        screen.fill_rect(Rect{x, 44, x + 1, 57}, pack(255, 0, 0));
        host.present(Rect{x, 44, x + 1, 57});
        host.progress("calculating roots", ++columns / 600.0);
    });
    host.progress("calculating roots", -1);
    screen.copy_from(under, under.bounds(), 0, 0);
    host.present(panel);
    host.end_busy();
    return found;
}

// The roots of f(z) = 0 as scan_collatz_roots finds them, in the order 0, the pair nearest 0,
// then the pairs near +2, -2, +4, -4, ..., +28, -28 and +30.
constexpr double kBuiltinRoots[61][2] = {
        {0, 0},
        {-0.18757601295916612, 0.20164408409015341},
        {-0.18757601295916604, -0.20164408409015341},
        {1.9974850043361152, 0.2534284921937755},
        {1.9974850043361152, -0.25342849219377545},
        {-2.0052319701937447, 0.30532070319990567},
        {-2.0052319701937447, -0.30532070319990579},
        {3.999253809231933, 0.26388173501652284},
        {3.999253809231933, -0.26388173501652284},
        {-4.0010856605333798, 0.28988512412946565},
        {-4.0010856605333798, -0.28988512412946565},
        {5.9996478708204117, 0.26771931575649094},
        {5.9996478708204117, -0.26771931575649094},
        {-6.0004525648253919, 0.28505124271976623},
        {-6.0004525648253919, -0.28505124271976623},
        {7.9997957987936097, 0.2697097825269561},
        {7.9997957987936106, -0.2697097825269561},
        {-8.0002465463596444, 0.28270717436922066},
        {-8.0002465463596444, -0.28270717436922066},
        {9.9998668798233847, 0.27092759913807535},
        {9.9998668798233847, -0.27092759913807535},
        {-10.000154794319331, 0.28132485476915148},
        {-10.000154794319331, -0.28132485476915148},
        {11.999906406741818, 0.2717494056892647},
        {11.999906406741818, -0.2717494056892647},
        {-12.000106134039221, 0.28041346936198996},
        {-12.000106134039221, -0.28041346936198996},
        {13.999930626403653, 0.27234130801627388},
        {13.999930626403653, -0.27234130801627382},
        {-14.000077270178183, 0.27976747966788162},
        {-14.000077270178183, -0.27976747966788162},
        {15.99994653133526, 0.27278792530078966},
        {15.99994653133526, -0.27278792530078966},
        {-16.000058758397898, 0.27928572785460853},
        {-16.000058758397898, -0.27928572785460853},
        {17.999957533628866, 0.27313689365256855},
        {17.999957533628866, -0.27313689365256866},
        {-18.000046181345496, 0.27891265788475245},
        {-18.000046181345496, -0.27891265788475245},
        {19.999965459132941, 0.27341707819387728},
        {19.999965459132941, -0.27341707819387734},
        {-20.00003724899209, 0.27861522687025064},
        {-20.00003724899209, -0.27861522687025064},
        {21.999971356594411, 0.27364698889897793},
        {21.999971356594411, -0.27364698889897798},
        {-22.000030678009107, 0.27837255211769685},
        {-22.000030678009107, -0.2783725521176969},
        {23.999975863224975, 0.27383904156417854},
        {23.999975863224975, -0.2738390415641786},
        {-24.000025703907919, 0.27817078929481631},
        {-24.000025703907916, -0.2781707892948162},
        {25.999979384304567, 0.27400187492774908},
        {25.999979384304567, -0.27400187492774902},
        {-26.000021848269569, 0.2780003979187487},
        {-26.000021848269569, -0.2780003979187487},
        {27.999982187571877, 0.27414168535409839},
        {27.999982187571877, -0.27414168535409839},
        {-28.000018799284316, 0.27785458967730592},
        {-28.000018799284316, -0.27785458967730592},
        {29.999984455659128, 0.2742630329488252},
        {29.999984455659128, -0.27426303294882515},
};

const CollatzRootTable& builtin_collatz_roots() {
    static const CollatzRootTable t = [] {
        CollatzRootTable r;
        r.roots.fill(cplx(0, 0));
        for (const auto& z : kBuiltinRoots) r.roots[std::size_t(r.count++)] = cplx(z[0], z[1]);
        r.a0 = cplx(0, 0);
        return r;
    }();
    return t;
}

TypeImplementation collatz_implementation() {
    return {.prepare = prepare_collatz,
            .thumbnail = member_thumbnail<CollatzMap<false>>,
            .formula_text = {kCollatzText[0], kCollatzText[1]}};
}

TypeImplementation collatznewton_implementation() {
    return {.prepare = prepare_collatznewton, .formula_text = {kCollatzNewtonText[0], kCollatzNewtonText[1]}};
}

}  // namespace zoquel
