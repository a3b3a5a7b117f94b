#include "generators/dla.h"

#include <algorithm>
#include <cmath>

namespace zoquel {

const char* const kDlaHelp =
    "'Plot Fractal' or F1:\n      Start or resume rendering.\n\n'Pause' key:\n      Pause rendering; can be resumed.\n\n"
    "Mouse click:\n      Terminate rendering.\n\nRendering terminates automatically when seeding\n"
    "      circle approaches limit\n\nColoring:\n      Select background color with 'Outside Coloring'\n"
    "            menu option\n\n      If 'Inside Coloring -> Solid Color' menu option is\n"
    "            selected, image will be rendered in that color;\n            select any other inside coloring option to\n"
    "            render the image using the currently-selected\n            palette.\n\n"
    "Warning: algorithm is quite slow; starting with small\n      image resolutions is recommended.\n\n"
    "This information can be accessed from the 'Help'\n      menu or by pressing F6.";

namespace {

constexpr double kDegree = 3.141592653589793 / 180;

const char* const kFormulaText[2] = {
    "DLA: Centrifugal\n\n"
    "   Diffusion-limited aggregation: particles launched one at a time\n"
    "   from a circle around a seed at the centre walk at random (a step\n"
    "   of -1, 0 or +1 in x and in y) until they touch the cluster, and\n"
    "   stick there. The circle widens as the cluster grows; a particle\n"
    "   that wanders 2 pixels beyond it is put back on it.\n\n"
    "F6 shows the help: Pause pauses, a click ends the run.",
    "DLA: Centripetal\n\n"
    "   Diffusion-limited aggregation inward: the seed is an ellipse\n"
    "   along the border, particles are launched from a circle inside it\n"
    "   that shrinks as the cluster grows inward; a particle that wanders\n"
    "   2 pixels inside the circle is put back on it.\n\n"
    "F6 shows the help: Pause pauses, a click ends the run.",
};

// The colour changed as the palette check changes an entry equal to the background: its red
// value one lower, 0 becoming 1.
Pixel unlike(Pixel colour, Pixel background) {
    if (colour != background) return colour;
    Rgb c = unpack(colour);
    c.r = c.r == 0 ? 1 : std::uint8_t(c.r - 1);
    return pack(c);
}

}  // namespace

Aggregation::Aggregation(const ImageInput& in)
    : method_(in.settings.method),
      width_(in.settings.xres),
      height_(in.settings.yres),
      xcenter_(in.settings.xres / 2),
      ycenter_(in.settings.yres / 2) {}

void Aggregation::start(Canvas& canvas, StepContext& context) {
    const Settings& s = context.settings;
    random_.seed(context.host.time_of_day());
    colorfactor_ = 1, color_ = 1, colorcount_ = 0;
    bkgd_ = pack(s.rout, s.gout, s.bout);
    // Nothing drawn may equal the background: it would be walked through, and a cluster
    // no particle can touch never ends.
    palette_ = s.palette;
    checkpalette(palette_, unpack(bkgd_));
    frgd_ = s.inside == 0 ? unlike(pack(s.rin, s.gin, s.bin), bkgd_) : pack(palette_[1]);
    canvas.start_afresh(bkgd_);
    if (method_ == 0) {
        radius_ = 10;
        distancemax_ = 0;
        canvas.plot(xcenter_, ycenter_, frgd_);
    } else {
        radius_ = xcenter_ - 10;
        distancemin_ = xcenter_;
        canvas.ellipse(Rect{1, 1, width_ - 2, height_ - 2}, frgd_, 2);
    }
    canvas.present(context.host);
    if (context.memory.firstdla) {
        context.memory.firstdla = false;
        context.host.message_box(kDlaHelp, "Zoquel", MessageIcon::information);
    }
}

void Aggregation::begin_plot() {
    // A paused run goes on with a new particle.
    flying_ = false;
    dlapause_ = dlaclick_ = false;
}

void Aggregation::launch() {
    angle_ = (random_.next() % 360) * kDegree;
    at_ = Point{xcenter_ + int(radius_ * std::cos(angle_)), ycenter_ + int(radius_ * std::sin(angle_))};
    previous_ = at_;
    flying_ = true;
}

bool Aggregation::walk(const Canvas& canvas) {
    // The first move comes before the first look, so a particle launched onto the cluster
    // sticks beside its launch point, not where the last particle stuck.
    for (long move = 0; move < kMovesPerStep; ++move) {
        previous_ = at_;
        at_.x += random_.next() % 3 - 1;
        at_.y += random_.next() % 3 - 1;
        const double dx = at_.x - xcenter_, dy = at_.y - ycenter_;
        distance_ = std::sqrt(dx * dx + dy * dy);
        // Too far from the circle: back onto it, at the launch angle, one pixel off.
        const int rx = int(radius_ * std::cos(angle_)), ry = int(radius_ * std::sin(angle_));
        if (method_ == 0 && distance_ > radius_ + 2) at_ = Point{xcenter_ + rx - 1, ycenter_ + ry - 1};
        if (method_ == 1 && distance_ < radius_ - 2) at_ = Point{xcenter_ + rx + 1, ycenter_ + ry + 1};
        // Outside the image counts as cluster: the border stops every particle.
        if (!canvas.contains(at_.x, at_.y) || canvas.pixel(at_.x, at_.y) != bkgd_) return true;
    }
    return false;
}

bool Aggregation::stick(Canvas& canvas, const Settings& s) {
    if (method_ == 0) {
        distancemax_ = std::max(distancemax_, distance_);
        if (int(distancemax_) > radius_ - 10) radius_ = int(distancemax_) + 10;
        if (xcenter_ - radius_ < 10 || ycenter_ - radius_ < 10) return false;
    } else {
        distancemin_ = std::min(distancemin_, distance_);
        if (int(distancemin_) < radius_ + 10) radius_ = int(distancemin_) - 10;
        if (radius_ < 10) return false;
    }
    if (s.inside != 0) frgd_ = pack(palette_[std::size_t(color_)]);
    canvas.plot(previous_.x, previous_.y, frgd_);
    ++particles_;
    // Entries 1..255 last 64 particles each in the first cycle, four times as many in each next.
    if (++colorcount_ == 64 * colorfactor_) {
        colorcount_ = 0;
        if (++color_ == 256) {
            color_ = 1;
            colorfactor_ *= 4;
        }
    }
    return true;
}

StepResult Aggregation::finish(End why) {
    end_ = why;
    flying_ = false;
    dlapause_ = dlaclick_ = false;
    // Paused, the cluster waits for the next plot; finished or stopped, that plot starts anew.
    return StepResult{false, 0, why != End::pause};
}

StepResult Aggregation::step(Canvas& canvas, StepContext& context) {
    if (dlapause_) return finish(End::pause);
    if (dlaclick_) return finish(End::click);
    if (fresh_) {
        fresh_ = false;
        start(canvas, context);
    }
    if (!flying_) launch();
    if (!walk(canvas)) return StepResult{true, 0, false, false};
    flying_ = false;
    if (!stick(canvas, context.settings)) return finish(End::limit);
    return StepResult{true, 0, false};
}

TypeImplementation dla_implementation() {
    return {.whole = [](const ImageInput& in) -> WholeImagePtr { return std::make_unique<Aggregation>(in); },
            .formula_text = {kFormulaText[0], kFormulaText[1]}};
}

}  // namespace zoquel
