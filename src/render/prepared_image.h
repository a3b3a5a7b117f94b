#pragma once
#include <memory>

#include "model/julia_cycle.h"
#include "model/pixel_image.h"
#include "model/settings.h"
#include "render/coloring.h"
#include "render/type_registry.h"

namespace zoquel {

// What an image of any per-pixel type starts from, computed from the settings before the
// type's own set-up: where it lies, the colouring's constants, the Julia attractor.
struct ImageStart {
    ImageGeometry geometry;
    ColouringConstants constants;
    Attractor cycle;
};

// Starts an image of the settings' type, writing back what the start settles in them: the
// smoothing step of types without their own, the period of the Julia attractor.
ImageStart start_image(Settings& s);

// One per-pixel image ready for its rows: the type's image object, the settings its colouring
// reads and the constants fixed at its start. Only read once made, so any number of threads
// may render its rows, and any number of images may be rendered side by side.
struct PreparedImage {
    Settings settings;
    ImageStart start;
    std::shared_ptr<const PixelImage> image;

    const ImageGeometry& geometry() const { return start.geometry; }
    // Row `row` (0 at the top) into `out`, xres pixels.
    void render_row(int row, Pixel* out) const;
    // The same image coloured from other settings (a palette changed under a paused image).
    PreparedImage recoloured(const Settings& s) const { return PreparedImage{s, start, image}; }
};

// The type's set-up of the image, from the settings and what its preliminary pass found;
// writes back into `s` what the set-up settled (root counts, the sequence's length).
PreparedImage prepare_image(Settings& s, const ImageStart& start, const TypeRegistry& types, Host& host,
                            TypeMemory& memory, double preliminary = 0);

// Whether the set-up of this image may take long enough (a reference orbit in arbitrary
// precision) that a front end should run it away from its own thread.
bool prepares_slowly(const Settings& s);

// Starts and prepares an image in one, running the type's preliminary pass first (shown
// nowhere) where it has one.
PreparedImage prepare_image(Settings& s, Host& host, TypeMemory& memory, const TypeRegistry& types = standard_types());

}  // namespace zoquel
