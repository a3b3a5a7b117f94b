#pragma once
#include <array>

#include "model/whole_image.h"
#include "platform/surface.h"

namespace zoquel {

// The iteration limits the introduction's Mandelbrot set sharpens through, in order.
inline constexpr std::array<int, 8> kIntroLimits{4, 5, 6, 8, 12, 16, 24, 128};
// The set fills the image but for this margin, which the frames occupy.
inline constexpr int kIntroMargin = 12;
inline constexpr int kIntroFrames = 6;
inline constexpr int kIntroPauseMs = 500;

// The animated introduction: six bevelled frames, one a step, then the Mandelbrot set at each
// limit in turn, a step each and half a second apart, always in the default palette. Drawn
// into the image and shown on the screen as far as it reaches.
class Introduction : public WholeImage {
public:
    StepResult step(Canvas& canvas, StepContext& context) override;

private:
    int next_ = 0;  // frames first, then the limits
};

// What the introduction leaves in an image of this size, drawn at once.
void draw_introduction(Surface& image, int width, int height);

}  // namespace zoquel
