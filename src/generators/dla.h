#pragma once
#include "model/type_implementation.h"
#include "platform/random.h"

namespace zoquel {

// The help of DLA, shown before the first run of a program run and by F6.
extern const char* const kDlaHelp;

// Type 34, diffusion-limited aggregation: particles launched from a seeding circle walk at
// random until they touch the cluster and stick. Method 0 ("Centrifugal") grows outward from
// a seed at the centre, method 1 ("Centripetal") inward from an ellipse along the border. One
// particle a step; the run ends when the circle reaches its limit, on a click, or pauses on
// Pause (the next plot goes on with the same cluster).
class Aggregation final : public WholeImage {
public:
    // A walk longer than this goes on in the next step, so the window keeps its turns.
    static constexpr long kMovesPerStep = 200000;
    // Why a run ended.
    enum class End { none, limit, click, pause };

    explicit Aggregation(const ImageInput& in);
    void begin_plot() override;
    StepResult step(Canvas& canvas, StepContext& context) override;
    void stop_request(StopRequest r) override { (r == StopRequest::pause ? dlapause_ : dlaclick_) = true; }

    int radius() const { return radius_; }
    long particles() const { return particles_; }
    End last_end() const { return end_; }

private:
    void start(Canvas& canvas, StepContext& context);
    void launch();
    // Walks the particle in flight; true when it touched the cluster within the moves allowed.
    bool walk(const Canvas& canvas);
    // Sticks the particle at its previous position; false when the run ends instead.
    bool stick(Canvas& canvas, const Settings& s);
    StepResult finish(End why);

    int method_;
    int width_, height_;
    bool fresh_ = true;
    bool dlapause_ = false, dlaclick_ = false;
    Random random_;
    int xcenter_, ycenter_;
    int radius_ = 10;
    double distancemax_ = 0, distancemin_ = 0;
    Pixel bkgd_ = kWhite, frgd_ = kBlack;
    Palette palette_{};  // the palette with no entry equal to the background
    int color_ = 1, colorcount_ = 0, colorfactor_ = 1;
    // The particle in flight.
    bool flying_ = false;
    double angle_ = 0;
    Point at_, previous_;
    double distance_ = 0;
    long particles_ = 0;
    End end_ = End::none;
};

TypeImplementation dla_implementation();

}  // namespace zoquel
