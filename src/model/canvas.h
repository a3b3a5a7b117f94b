#pragma once
#include "platform/host.h"
#include "platform/surface.h"

namespace zoquel {

// Where a drawing call of a whole-image generator lands.
enum class Where { both, image, screen };

// Draws into the image and onto the screen at once, as the generators of whole images do:
// the image clips to itself, the screen to the part of it that shows the image (its top-left
// xres x yres, as far as the window reaches). Nothing outside either is ever touched,
// whatever the coordinates. What was drawn on the screen is shown once, by present().
class Canvas {
public:
    Canvas(Surface& image, Surface& screen);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool contains(int x, int y) const { return image_.contains(x, y); }
    // The image's pixel; black outside it.
    Pixel pixel(int x, int y) const { return image_.get_pixel(x, y); }
    // The part of the screen that shows the image.
    const Rect& screen_area() const { return screen_clip_; }

    void plot(int x, int y, Pixel color, Where where = Where::both);
    // Leaves out the end point, as every line of the program does.
    void line(Point from, Point to, Pixel color, int pen_width = 1, Where where = Where::both);
    void ellipse(const Rect& box, Pixel color, int pen_width = 1, Where where = Where::both);
    void fill_rect(const Rect& r, Pixel color, Where where = Where::both);
    // A fresh image: the whole screen black, the image and its part of the screen in `background`.
    void start_afresh(Pixel background);
    // Shows the image's rectangle on the screen as it stands, as far as the screen shows it.
    void show(const Rect& r);
    // Copies a whole saved image back, into the image and its part of the screen.
    void restore(const Surface& saved);

    Surface& image() { return image_; }
    // Shows what was drawn on the screen since the last present, in one piece.
    void present(Host& host);

private:
    void pen(int x, int y, Pixel color, int pen_width, Where where);
    void touched(const Rect& r);

    Surface& image_;
    Surface& screen_;
    Rect screen_clip_;
    Rect dirty_{};
};

}  // namespace zoquel
