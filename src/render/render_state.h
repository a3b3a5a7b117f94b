#pragma once
#include "model/pixel_image.h"

namespace zoquel {

// The render driver's progress, as the rest of the program sees it.
struct RenderState {
    int j = 0;               // next row; 0 also means the next row starts a new image
    bool okfractal = false;  // rendering: the driver is called while it is set
    bool firstloop = false;  // the next plot of a whole-image type starts afresh
    ImageGeometry geometry;  // of the per-pixel image under way or last rendered
};

}  // namespace zoquel
