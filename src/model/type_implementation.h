#pragma once
#include <array>
#include <functional>
#include <memory>

#include "model/complex_math.h"
#include "model/pixel_image.h"
#include "model/whole_image.h"

namespace zoquel {

// Makes the image of a per-pixel type from the settings; runs once, before any row.
using PreparePixelImage = PixelImagePtr (*)(const ImageInput& in);
// Makes the first pass of a type that sketches the image before it is rendered.
using PreparePreliminaryPass = std::unique_ptr<const PreliminaryPass> (*)(const ImageInput& in);
// Makes a fresh image of a whole-image type.
using PrepareWholeImage = WholeImagePtr (*)(const ImageInput& in);

// The Julia thumbnail of a parameter-plane image: for the constant it was made with, the
// palette entry of a dynamic-plane point, 0 where its orbit stays within the radius.
using ThumbnailOrbit = std::function<int(Cx z)>;
using PrepareThumbnail = ThumbnailOrbit (*)(const Settings& s, Cx c);

// What the program has built for one type: how its images are made and the formula texts
// shown for it (by method).
struct TypeImplementation {
    PreparePixelImage prepare = nullptr;
    PreparePreliminaryPass preliminary = nullptr;
    PrepareWholeImage whole = nullptr;
    PrepareThumbnail thumbnail = nullptr;  // types whose parameter plane previews its Julia sets
    std::array<const char*, 2> formula_text{nullptr, nullptr};

    bool available() const { return prepare != nullptr || whole != nullptr; }
};

}  // namespace zoquel
