#include "model/canvas.h"

#include <algorithm>

#include "platform/raster.h"

namespace zoquel {

Canvas::Canvas(Surface& image, Surface& screen)
    : image_(image),
      screen_(screen),
      screen_clip_(Rect{0, 0, std::min(image.width(), screen.width()), std::min(image.height(), screen.height())}) {}

void Canvas::touched(const Rect& r) {
    if (r.empty()) return;
    if (dirty_.empty()) {
        dirty_ = r;
        return;
    }
    dirty_ = Rect{std::min(dirty_.left, r.left), std::min(dirty_.top, r.top), std::max(dirty_.right, r.right),
                  std::max(dirty_.bottom, r.bottom)};
}

void Canvas::fill_rect(const Rect& r, Pixel color, Where where) {
    if (where != Where::screen) image_.fill_rect(r, color);
    if (where != Where::image) {
        const Rect s = r.intersected(screen_clip_);
        screen_.fill_rect(s, color);
        touched(s);
    }
}

void Canvas::pen(int x, int y, Pixel color, int pen_width, Where where) {
    if (pen_width <= 1) {
        if (where != Where::screen) image_.set_pixel(x, y, color);
        if (where != Where::image && x >= screen_clip_.left && x < screen_clip_.right && y >= screen_clip_.top &&
            y < screen_clip_.bottom) {
            screen_.set_pixel(x, y, color);
            touched(Rect{x, y, x + 1, y + 1});
        }
        return;
    }
    fill_rect(Surface::pen_square(x, y, pen_width), color, where);
}

void Canvas::plot(int x, int y, Pixel color, Where where) { pen(x, y, color, 1, where); }

void Canvas::line(Point from, Point to, Pixel color, int pen_width, Where where) {
    raster_line(from, to, image_.bounds(), [&](int x, int y) { pen(x, y, color, pen_width, where); });
}

void Canvas::ellipse(const Rect& box, Pixel color, int pen_width, Where where) {
    raster_arc(box, 0, 2 * M_PI, [&](Point a, Point b) { line(a, b, color, pen_width, where); });
}

void Canvas::start_afresh(Pixel background) {
    screen_.fill(kBlack);
    touched(screen_.bounds());
    fill_rect(image_.bounds(), background);
}

void Canvas::show(const Rect& r) {
    const Rect s = r.intersected(screen_clip_);
    screen_.copy_from(image_, s, s.left, s.top);
    touched(s);
}

void Canvas::restore(const Surface& saved) {
    image_.copy_from(saved, saved.bounds(), 0, 0);
    screen_.copy_from(saved, screen_clip_, 0, 0);
    touched(screen_clip_);
}

void Canvas::present(Host& host) {
    if (dirty_.empty()) return;
    host.present(dirty_);
    dirty_ = Rect{};
}

}  // namespace zoquel
