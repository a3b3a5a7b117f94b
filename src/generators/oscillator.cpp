#include "generators/oscillator.h"

#include <cmath>

namespace zoquel {

// clang-format off
const std::array<std::uint32_t, 256> kPlasmaColours = {
    0xB4C000, 0xB4C400, 0xB4C800, 0xB0CC00, 0xACCC00, 0xA8D000, 0xA8D400, 0xA4D400,
    0xA0D804, 0x9CD804, 0x9CDC04, 0x98DC04, 0x94E008, 0x90E008, 0x90E408, 0x8CE408,
    0x88E80C, 0x84E80C, 0x80EC0C, 0x80EC10, 0x7CEC10, 0x78F014, 0x76F014, 0x74F014,
    0x70F418, 0x6CF418, 0x68F41C, 0x64F81C, 0x64F820, 0x60F820, 0x5CF824, 0x58FC28,
    0x56FC28, 0x54FC2C, 0x50FC2C, 0x4CFC30, 0x4CFC34, 0x48FC34, 0x44FC38, 0x44FC3C,
    0x40FC3C, 0x3CFC40, 0x3CFC44, 0x38FC44, 0x34FC48, 0x34FC4C, 0x30FC4C, 0x2CFC50,
    0x2CFC54, 0x28FC56, 0x28FC58, 0x24F85C, 0x20F860, 0x20F864, 0x1CF864, 0x1CF468,
    0x18F46C, 0x18F470, 0x16F074, 0x14F074, 0x14F078, 0x10EC7C, 0x10EC80, 0x0CEC80,
    0x0CE884, 0x0CE888, 0x08E48C, 0x08E490, 0x08E090, 0x08E094, 0x04DC98, 0x04DC9C,
    0x04D89C, 0x04D8A0, 0x00D4A4, 0x00D4A8, 0x00D0A8, 0x00CCAC, 0x00CCB0, 0x00C8B4,
    0x00C4B4, 0x00C4B8, 0x00C0BC, 0x00BCBC, 0x00BCC0, 0x00B8C4, 0x00B4C4, 0x00B4C8,
    0x00B0CC, 0x00ACCC, 0x00A8D0, 0x00A8D4, 0x00A4D4, 0x04A0D8, 0x049CD8, 0x049CDC,
    0x0498DC, 0x0894E0, 0x0890E0, 0x0890E4, 0x088CE4, 0x0C88E8, 0x0C84E8, 0x0C80EC,
    0x1080EC, 0x107CEC, 0x1478F0, 0x1476F0, 0x1474F0, 0x1870F4, 0x186CF4, 0x1C68F4,
    0x1C64F8, 0x2064F8, 0x2060F8, 0x245CF8, 0x2658FC, 0x2858FC, 0x2C54FC, 0x2C50FC,
    0x304CFC, 0x344CFC, 0x3448FC, 0x3844FC, 0x3C44FC, 0x3C40FC, 0x403CFC, 0x443CFC,
    0x4438FC, 0x4834FC, 0x4C34FC, 0x4C30FC, 0x502CFC, 0x542CFC, 0x5828FC, 0x5A28FC,
    0x5C24F8, 0x6020F8, 0x6420F8, 0x641CF8, 0x681CF4, 0x6C18F4, 0x7018F4, 0x7614F0,
    0x7414F0, 0x7814F0, 0x7C10EC, 0x8010EC, 0x800CEC, 0x840CE8, 0x880CE8, 0x8C08E4,
    0x9008E4, 0x9008E0, 0x9408E0, 0x9804DC, 0x9C04DC, 0x9C04D8, 0xA004D8, 0xA400D4,
    0xA800D4, 0xA800D0, 0xAC00CC, 0xB000CC, 0xB400C8, 0xB400C4, 0xB800C4, 0xBC00C0,
    0xBC00BC, 0xC000BC, 0xC400B8, 0xC400B4, 0xC800B4, 0xCC00B0, 0xCC00AC, 0xD000A8,
    0xD400A8, 0xD400A4, 0xD804A0, 0xD8049C, 0xDC049C, 0xDC0498, 0xE00894, 0xE00890,
    0xE40890, 0xE4088C, 0xE80C88, 0xE80C84, 0xEC0C80, 0xEC1080, 0xEC107C, 0xF01478,
    0xF01474, 0xF01674, 0xF41870, 0xF4186C, 0xF41C68, 0xF81C64, 0xF82064, 0xF82060,
    0xF8245C, 0xFA2858, 0xFC2858, 0xFC2C54, 0xFC2C50, 0xFC304C, 0xFC344C, 0xFC3448,
    0xFC3844, 0xFC3C44, 0xFC3C40, 0xFC403C, 0xFC443C, 0xFC4438, 0xFC4834, 0xFC4C34,
    0xFC4C30, 0xFC502C, 0xFC542C, 0xFC5828, 0xFA5828, 0xF85C24, 0xF86020, 0xF86220,
    0xF8641C, 0xF4681C, 0xF46C18, 0xF47018, 0xF07414, 0xF07614, 0xF07814, 0xEC7C10,
    0xEC8010, 0xEC800C, 0xE8840C, 0xE8880C, 0xE48C08, 0xE49008, 0xE09008, 0xE09408,
    0xDC9804, 0xDC9C04, 0xD89C04, 0xD8A004, 0xD4A400, 0xD4A800, 0xD0A800, 0xCCAC00,
    0xCCB000, 0xC8B400, 0xC4B400, 0xC4B800, 0xC0BC00, 0xBCBC00, 0xBCC000, 0xB8C400,
};
// clang-format on

namespace {

constexpr double kA = -0.6, kB = 1.2, kC = 0.2, kD = -0.6;  // Samardzija's constants
constexpr double kAA = 1.5, kBB = 1.0, kDelta = 1.5;        // the Lissajous curve
constexpr int kLastWhole = 2147483645;

const char* const kUsage =
    "'Plot Fractal' or F1:\n   Start over.\n\n'Pause' or mouse click:\n   Stop animating.";

const char* const kFormulaText[2] = {
    "Oscillators: Samardzija\n\n"
    "   x' = a x + b y - e\n"
    "   y' = c y + x - x^3\n"
    "   e' = d x\n\n"
    "   a = -0.6, b = 1.2, c = 0.2, d = -0.6, from x = 0.06, y = 0.09,\n"
    "   e = -0.6, in Euler steps of 0.05 (e of 0.01)\n\n"
    "The slowly drifting forcing term e carries the oscillator from one\n"
    "regime to the next; a trail of its newest 999 points crawls across\n"
    "the screen. Pause or a mouse click stops it; F1 starts over.",
    "Oscillators: Lissajous 3D\n\n"
    "   x = sin(1.5 t + 1.5)\n"
    "   y = sin(t)\n"
    "   z = 0.5 sin(t) + 0.5\n\n"
    "A ball runs along a three-dimensional Lissajous curve, drawn larger\n"
    "the nearer it is, with its shadow below; the newest 94 balls are\n"
    "shown. Pause or a mouse click stops it; F1 starts over.",
};

Pixel plasma(int index) { return pack(unpack(kPlasmaColours[std::size_t(index & 0xFF)])); }

std::array<BallSprite, 8> make_sprites() {
    std::array<BallSprite, 8> sprites{};
    for (int p = 0; p < 8; ++p) {
        BallSprite& s = sprites[std::size_t(p)];
        const int n = 19 - 2 * p, c = (n - 1) / 2;
        const double r = c;
        auto distance = [c](int u, int v) { return std::hypot(double(u - c), double(v - c)); };
        // The outline, shaded from the upper left (lighter) to the lower right.
        for (int u = 0; u < n; ++u)
            for (int v = 0; v < n; ++v) {
                if (std::fabs(distance(u, v) - r) > 0.5) continue;
                const bool lit = u + v < 2 * c;
                std::int8_t o;
                if (p == 0)
                    o = 1;
                else if (p == 7)
                    o = 4;
                else if (p >= 5)
                    o = lit ? 3 : 4;
                else
                    o = lit ? 2 : 3;
                s[std::size_t(u)][std::size_t(v)] = o;
            }
        if (p == 7) continue;
        // The highlight: a small plus inside, toward the upper left.
        const int m = c - std::max(1, int(std::lround(r / 3)));
        const int plus[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const auto& d : plus) {
            const int u = m + d[0], v = m + d[1];
            if (distance(u, v) < r - 0.5) s[std::size_t(u)][std::size_t(v)] = 1;
        }
    }
    return sprites;
}

}  // namespace

const std::array<BallSprite, 8>& ball_sprites() {
    static const std::array<BallSprite, 8> sprites = make_sprites();
    return sprites;
}

Oscillator::Oscillator(const ImageInput& in)
    : method_(in.settings.method), width_(in.settings.xres), height_(in.settings.yres) {}

StepResult Oscillator::samardzija(Canvas& canvas) {
    const double x1 = x0_ + (kA * x0_ + kB * y0_ - e_) * 0.05;
    const double y1 = y0_ + (kC * y0_ + x0_ - x0_ * x0_ * x0_) * 0.05;
    e_ = e_ + x0_ * kD * 0.01;
    const Point at{pixel_coordinate(std::trunc(width_ * (x1 + 2.0) * 0.25)),
                   pixel_coordinate(std::trunc(height_ * (y1 + 5.0) * 0.1))};
    fifo_[std::size_t(sp_)] = at;
    sp_ = (sp_ + 1) % kTrail;  // now the oldest point
    int delay = 0;
    if (i_ > 1000) {
        // The newest point drawn, the oldest of the trail erased; on the screen only where
        // the newest lies in the image's part of it.
        const Point oldest = fifo_[std::size_t(sp_)];
        const Rect& shown = canvas.screen_area();
        const Where where = at.x < shown.right && at.y < shown.bottom ? Where::both : Where::image;
        canvas.plot(oldest.x, oldest.y, kBlack, where);
        canvas.plot(at.x, at.y, plasma(colour_), where);
        delay = kSamardzijaDelayMs;
        if (i_ % 50 == 0) colour_ = (colour_ + 1) % 256;
    }
    x0_ = x1;
    y0_ = y1;
    i_ = i_ >= kLastWhole ? 1001 : i_ + 1;
    return StepResult{true, delay, false};
}

template <class Paint>
void Oscillator::ball(double t, Paint&& paint) const {
    const int halfx = width_ / 2, halfy = height_ / 2;
    const double xshift = halfx - 40, yshift = halfy - 40;
    const double z = 0.5 * std::sin(t) + 0.5;
    const double zshift = 1 - (1 - z) * 0.2;
    const int sphereflag = std::min(7, int(8 * z));
    const BallSprite& sprite = ball_sprites()[std::size_t(7 - sphereflag)];
    const double x = std::sin(kAA * t + kDelta) * zshift * xshift + halfx;
    const double y = std::sin(kBB * t) * zshift * yshift + halfy;
    const int xi = pixel_coordinate(std::trunc(x)), yi = pixel_coordinate(std::trunc(y));
    const int k = sphereflag + 2;
    for (int u = 0; u <= 2 * k; ++u)
        for (int v = 0; v <= 2 * k; ++v)
            if (const int o = sprite[std::size_t(u)][std::size_t(v)]; o != 0) paint(xi - k + u, yi - k + v, o);
}

StepResult Oscillator::lissajous(Canvas& canvas) {
    step_ = step_ + 1 > 254 ? 0 : step_ + 1;
    const double z = 0.5 * std::sin(t_) + 0.5;
    const double zshift = 1 - (1 - z) * 0.2;
    const int halfx = width_ / 2, halfy = height_ / 2;
    const double xshift = halfx - 40, yshift = halfy - 40;
    // The shadow, never erased, builds up the curve's path below the ball.
    const double x = std::sin(kAA * t_ + kDelta) * zshift * xshift + halfx;
    const double ys = std::sin(kBB * t_) * 0.3 * zshift * yshift + halfy * 1.65;
    canvas.plot(pixel_coordinate(std::trunc(x)), pixel_coordinate(std::trunc(ys)), pack(64, 64, 64));
    // The colour index wraps round the wheel.
    ball(t_, [&](int px, int py, int o) { canvas.plot(px, py, plasma(step_ + o)); });
    t_ += 0.03;
    if (t_ > 1e14) t_ = 0;
    if (++count_ >= kBallsShown + 1) {
        count_ = kBallsShown;
        ball(t1_, [&](int px, int py, int) { canvas.plot(px, py, kBlack); });
        t1_ += 0.03;
        if (t1_ > 1e14) t1_ = 0;
    }
    return StepResult{true, kLissajousDelayMs, false};
}

StepResult Oscillator::step(Canvas& canvas, StepContext& context) {
    if (stopping_) return StepResult{};
    if (!started_) {
        started_ = true;
        canvas.start_afresh(kBlack);
        canvas.present(context.host);
        if (context.memory.firstosc) {
            context.memory.firstosc = false;
            context.host.message_box(kUsage, "Zoquel", MessageIcon::information);
        }
    }
    return method_ == 0 ? samardzija(canvas) : lissajous(canvas);
}

TypeImplementation oscillator_implementation() {
    return {.whole = [](const ImageInput& in) -> WholeImagePtr { return std::make_unique<Oscillator>(in); },
            .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
