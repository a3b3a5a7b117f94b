#pragma once
#include "model/deep_view.h"
#include "model/pixel_image.h"

namespace zoquel::deep {

// How a deep image computes its deltas (for tests and measurements; `automatic` is what the
// program uses).
enum class DeltaNumbers { automatic, doubles, wide_exponent };

// The image of z^2 + c over a deep view: a reference orbit at the view's centre in MPFR,
// per-pixel perturbation in hardware floating point with rebasing, and bilinear
// approximation where it applies. Its rows are computed by pixel index (row_at).
PixelImagePtr prepare_deep_image(const ImageInput& in, const DeepView& view,
                                 DeltaNumbers numbers = DeltaNumbers::automatic);

}  // namespace zoquel::deep
