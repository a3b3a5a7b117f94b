#include "render/introduction.h"

#include <cmath>

#include "model/palettes.h"
#include "model/settings.h"
#include "model/type_memory.h"

namespace zoquel {

namespace {

// The default palette's entry for the point c at the limit: n mod 255 + 1 when z leaves the
// disc of radius 16 after n steps of z^2 + c from 0, else 0.
int intro_palette_index(double cx, double cy, int limit) {
    double zx = 0, zy = 0;
    int n = 0;
    while (n < limit && std::sqrt(zx * zx + zy * zy) <= 16) {
        const double t = zx * zx - zy * zy + cx;
        zy = 2 * zx * zy + cy;
        zx = t;
        ++n;
    }
    return std::sqrt(zx * zx + zy * zy) > 16 ? n % 255 + 1 : 0;
}

Pixel frame_color(int i) {
    // The third frame takes the first's light shade: a bevel, not a plain ramp.
    const int shade = i == 2 ? 0 : 10 * i;
    return pack(215 - shade, 225 - shade, 235 - shade);
}

void draw_frame(Canvas& canvas, int i) {
    const int w = canvas.width(), h = canvas.height(), d = 2 * i;
    // Closed at one pixel above its start, so the pen covers the corner.
    const Point corners[5] = {{d, d}, {w - 1 - d, d}, {w - 1 - d, h - 1 - d}, {d, h - 1 - d}, {d, d - 1}};
    for (int k = 1; k < 5; ++k) canvas.line(corners[k - 1], corners[k], frame_color(i), 2, Where::image);
    canvas.show(canvas.image().bounds());
}

void draw_set(Canvas& canvas, int limit) {
    Surface& image = canvas.image();
    const int w = image.width(), h = image.height();
    const Palette& palette = default_palette();
    for (int y = kIntroMargin; y < h - kIntroMargin; ++y) {
        Pixel* row = image.row(y);
        const double cy = (h - 1 - y) * 3.4 / (h - 1) - 1.7;
        for (int x = kIntroMargin; x < w - kIntroMargin; ++x)
            row[x] = pack(palette[std::size_t(intro_palette_index(x * 3.4 / (w - 1) - 2.3, cy, limit))]);
    }
    canvas.show(Rect{kIntroMargin, kIntroMargin, w - kIntroMargin, h - kIntroMargin});
}

}  // namespace

StepResult Introduction::step(Canvas& canvas, StepContext&) {
    const int k = next_++;
    if (k < kIntroFrames) {
        draw_frame(canvas, k);
        return StepResult{true, 0};
    }
    const int limit = k - kIntroFrames;
    if (limit >= int(kIntroLimits.size())) return StepResult{};
    draw_set(canvas, kIntroLimits[std::size_t(limit)]);
    const bool more = limit + 1 < int(kIntroLimits.size());
    return StepResult{more, more ? kIntroPauseMs : 0};
}

void draw_introduction(Surface& image, int width, int height) {
    image.resize(width, height, kBlack);
    Surface no_screen;
    Canvas canvas(image, no_screen);
    Settings settings;
    HeadlessHost host;
    TypeMemory memory;
    StepContext context{settings, host, memory};
    Introduction intro;
    while (intro.step(canvas, context).more) {
    }
}

}  // namespace zoquel
