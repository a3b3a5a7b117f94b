#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "model/type_implementation.h"
#include "platform/random.h"

namespace zoquel {

// Type 31, the chaos game: method 0 walks toward the corners of a polygon (Sierpinski
// polygons), method 1 ("Lace") runs four random inverse maps. Each plot draws one batch on top
// of the image so far; pixel units of the image, the view plays no part.
class ChaosGame final : public WholeImage {
public:
    static constexpr int kPolygonBatch = 500000;
    static constexpr int kLaceBatch = 100000;
    static constexpr int kWarmUp = 100;

    explicit ChaosGame(const ImageInput& in);
    StepResult step(Canvas& canvas, StepContext& context) override;

    // The hit counter of a pixel (0 outside the image).
    std::uint32_t hits(int x, int y) const;
    // Points plotted so far.
    long plotted() const { return plotted_; }
    // Where Lace draws the plane point (x, y): the origin at the middle of the width and 7/16
    // of the height, a unit the image's size divided by the scale; false outside the image.
    static bool lace_pixel(double x, double y, int width, int height, int scale, Point& at);
    // The polygon's corners, in pixels, once placed.
    const std::array<std::array<double, 2>, 6>& vertices() const { return vertex_; }

private:
    void polygon_batch(Canvas& canvas, const Settings& s, unsigned clock);
    void lace_batch(Canvas& canvas);
    // sierpinski: one step of the polygon walk; the colour of the new point, and whether it
    // lies in the image.
    Pixel polygon_step(const Settings& s, bool& inside);
    void place_vertices(int smode, double width, double height);

    int method_;
    int width_, height_;
    bool fresh_ = true;
    Random random_;
    // Polygon walk
    double x_ = 0, y_ = 0;
    bool firstiter_ = true, firsthundred_ = true;
    int corners_ = 3;
    double contraction_ = 0.5;
    std::array<std::array<double, 2>, 6> vertex_{};
    std::vector<std::uint32_t> hitcount_;
    bool counters_ok_ = true;
    // Lace
    double r_;            // pc slot 4
    int scale_;           // pc slot 5, whole
    double x0_ = 0.5, y0_ = 0.75;
    double cr_ = 0, cg_ = 0, cb_ = 0;
    long plotted_ = 0;
};

TypeImplementation chaos_implementation();

}  // namespace zoquel
