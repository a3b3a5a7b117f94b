#pragma once
#include "model/pixel_image.h"
#include "model/settings.h"
#include "platform/rgb.h"

namespace zoquel {

// What the colouring of an image needs besides the settings, fixed when the image starts.
struct ColouringConstants {
    double il = 0, lpsm = 0;  // smoothing: 1 / ln 2 and ln ln of the escape radius
    double factor = 256;      // the Siegel-disk scale
};

// The colour of one pixel from what its image gave: outside when the size exceeds the type's
// escape radius, coloured by the outside method; inside by the inside method. `image` may
// colour binary decomposition its own way.
Rgb coloring(const Settings& s, const ColouringConstants& k, const PixelResult& p, const PixelImage* image = nullptr);

}  // namespace zoquel
