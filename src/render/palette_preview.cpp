#include "render/palette_preview.h"

#include <cmath>

#include "render/coloring.h"

namespace zoquel {

namespace {

constexpr Pixel kFrameOuter = pack(205, 215, 225);
constexpr Pixel kFrameInner = pack(215, 225, 235);

void draw_frames(Surface& b) {
    for (int i = 0; i < 3; ++i) {
        Point pts[5] = {{i, i}, {261 - i, i}, {261 - i, 361 - i}, {i, 361 - i}, {i, i}};
        b.polyline(pts, i == 1 ? kFrameInner : kFrameOuter);
    }
}

void draw_mandelbrot(Surface& b, const Palette& pal) {
    for (int x = 3; x <= 258; ++x) {
        for (int y = 3; y <= 258; ++y) {
            const double cr = 3.0 * x / 255 - 2.25, ci = 3.0 * (258 - y) / 255 - 1.5;
            double zr = 0, zi = 0, size = 0;
            int n = 0;
            while (n < 256 && size <= 16) {
                const double t = zr * zr - zi * zi + cr;
                zi = zr * zi + zi * zr + ci;
                zr = t;
                size = std::sqrt(zr * zr + zi * zi);
                ++n;
            }
            int k;
            if (size > 16) {
                k = n % 255 + 1;
            } else {
                double ax = zr;
                if (ax >= 0 && ax < 1e-32) ax = 1e-32;
                if (ax > -1e-32 && ax < 0) ax = -1e-32;
                double a = std::atan2(zi, ax);
                if (a < 0) a += 6.283185307179586;
                k = wrapped_index(a * 256 / 6.283185307179586);
            }
            b.set_pixel(x, y, pack(pal[std::size_t(k)]));
        }
    }
}

void draw_strip(Surface& b, const Palette& pal) {
    for (int i = 0; i < 256; ++i) b.line({i + 3, 259}, {i + 3, 359}, pack(pal[std::size_t(i)]));
    b.line({3, 259}, {259, 259}, kFrameInner);
    b.line({3, 258}, {259, 258}, kFrameOuter);
    b.line({3, 260}, {259, 260}, kFrameOuter);
}

}  // namespace

Surface palette_preview(const Palette& candidate) {
    Surface b(kPalettePreviewWidth, kPalettePreviewHeight, kStockGrey);
    draw_frames(b);
    draw_mandelbrot(b, candidate);
    draw_strip(b, candidate);
    return b;
}

void showpalette(const Palette& candidate, Host& host) {
    Surface& screen = host.screen();
    Surface b(kPalettePreviewWidth, kPalettePreviewHeight, kStockGrey);
    draw_frames(b);
    screen.copy_from(b, b.bounds(), 0, 0);
    host.present(b.bounds());
    draw_mandelbrot(b, candidate);
    screen.copy_from(b, Rect{3, 3, 3 + 259, 3 + 259}, 3, 3);
    host.present(b.bounds());
    draw_strip(b, candidate);
    screen.copy_from(b, Rect{3, 259, 3 + 259, 259 + 359}, 3, 259);
    host.present(b.bounds());
}

}  // namespace zoquel
