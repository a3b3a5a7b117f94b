#pragma once
#include <memory>
#include <optional>

#include "model/julia_cycle.h"
#include "model/settings.h"
#include "model/type_memory.h"
#include "platform/host.h"
#include "platform/rgb.h"

namespace zoquel {

// What a generator gives for one pixel: the colour index (or a count the colouring derives
// one from), the last iterate, the size that decides inside or outside, and what some types
// hand on to the colouring of the same pixel.
struct PixelResult {
    int n = 0;
    double zx = 0, zy = 0, size = 0;
    int root = 0;        // the root a Newton-type orbit reached
    double nfx = 0;      // smoothing fraction 0..1 of the Newton-like types
    double infsize = 0;  // smallest |z| along the orbit, for Siegel-disk colouring
};

// Where an image lies in its plane and how many pixels cover it: corner pixels on the
// corners, row 0 at ymax, no correction for aspect.
struct ImageGeometry {
    View view;
    int xres = 0, yres = 0;
    double xside = 0, yside = 0;

    static ImageGeometry of(const View& view, int xres, int yres) {
        return ImageGeometry{view, xres, yres, view.xmax - view.xmin, view.ymax - view.ymin};
    }
    double column_x(int column) const { return view.xmin + column * xside / (xres - 1); }
    double row_y(int row) const { return view.ymin + (yres - 1 - row) * yside / (yres - 1); }
};

// Everything a type's image is prepared from.
struct ImageInput {
    const Settings& settings;
    ImageGeometry geometry;
    const Attractor& cycle;  // the attracting cycle of the Julia constant, where level sets need it
    Host& host;              // progress of long set-ups, and the messages they show
    TypeMemory& memory;      // what the type keeps from one image to the next
    double preliminary = 0;  // what the type's preliminary pass found
};

// One image of a per-pixel type, prepared once before any row and then only read, so rows
// may be computed on several threads at once.
class PixelImage {
public:
    virtual ~PixelImage() = default;

    // The pixel that stands for the plane point (px, py).
    virtual PixelResult pixel(double px, double py) const = 0;
    // The points (xs[i], y) for i < count at once, each exactly as pixel() gives it; false
    // where the image has no faster way than pixel by pixel.
    virtual bool row(const double* /*xs*/, double /*y*/, int /*count*/, PixelResult* /*out*/) const { return false; }
    // Row `row` (0 at the top) of `count` pixels by pixel index, for images whose points
    // doubles cannot place (deep views); false for the others, which go by plane points.
    virtual bool row_at(int /*row*/, int /*count*/, PixelResult* /*out*/) const { return false; }
    // A colouring of the binary-decomposition methods (outside 3 and 4) of the type's own.
    virtual std::optional<Rgb> binary_decomposition(const Settings&, const PixelResult&) const { return std::nullopt; }
    // Writes back what the set-up settled that the settings keep (root counts, the sequence's length).
    virtual void settle(Settings&) const {}
};

// A pass over the image's rows before the image itself, drawn on the screen only, that finds
// a value the image needs (the distance estimator's largest distance).
class PreliminaryPass {
public:
    virtual ~PreliminaryPass() = default;
    // Row `row` of the sketch into `out` (xres pixels); returns the row's part of the value.
    // Called on several threads at once.
    virtual double row(int row, Pixel* out) const = 0;
    // The value of the whole pass from its rows' parts, in row order.
    virtual double combine(double so_far, double row_part) const = 0;
};

using PixelImagePtr = std::unique_ptr<const PixelImage>;

}  // namespace zoquel
