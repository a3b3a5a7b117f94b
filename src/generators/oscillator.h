#pragma once
#include <array>
#include <cstdint>

#include "model/type_implementation.h"

namespace zoquel {

// plasmacr: the oscillators' colour wheel, 256 entries as 0xRRGGBB.
extern const std::array<std::uint32_t, 256> kPlasmaColours;

// The eight ball sprites of the Lissajous oscillator: sprite p covers its top-left
// (19 - 2p) x (19 - 2p) cells; a cell is 0 (transparent) or a colour offset 1..4.
using BallSprite = std::array<std::array<std::int8_t, 19>, 19>;
const std::array<BallSprite, 8>& ball_sprites();

// Type 36, two oscillators animated until Pause or a click stops them: method 0 Samardzija's,
// a trail of its newest 999 points crawling over black; method 1 a ball on a 3D Lissajous
// curve, drawn with perspective size and a shadow. Each plot starts over.
class Oscillator final : public WholeImage {
public:
    static constexpr int kTrail = 1000;
    static constexpr int kSamardzijaDelayMs = 2;
    static constexpr int kLissajousDelayMs = 5;
    static constexpr int kBallsShown = 94;

    explicit Oscillator(const ImageInput& in);
    StepResult step(Canvas& canvas, StepContext& context) override;
    void stop_request(StopRequest) override { stopping_ = true; }

private:
    StepResult samardzija(Canvas& canvas);
    StepResult lissajous(Canvas& canvas);
    // The ball at phase t: its sprite index, the colour offset base, where; `paint` gets each
    // covered pixel and the cell's colour offset.
    template <class Paint>
    void ball(double t, Paint&& paint) const;

    int method_;
    int width_, height_;
    bool started_ = false, stopping_ = false;
    // Samardzija
    double x0_ = 0.06, y0_ = 0.09, e_ = -0.6;
    std::array<Point, kTrail> fifo_{};
    int sp_ = 0;
    int i_ = 0;
    int colour_ = 0;
    // Lissajous 3D
    double t_ = 0, t1_ = 0;
    int step_ = -1, count_ = 0;
};

TypeImplementation oscillator_implementation();

}  // namespace zoquel
