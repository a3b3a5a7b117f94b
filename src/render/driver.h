#pragma once
#include <functional>

#include "platform/surface.h"
#include "render/live_state.h"

namespace zoquel {

// One bounded piece of rendering on the live state: a row of a per-pixel type, or a whole
// image. Returns 1 after a whole-image call, 0 after a row. Called while okfractal is set.
int fractaldriver(LiveState& state);
inline int fractaldriver() { return fractaldriver(live()); }

// The per-image set-up of a per-pixel type: view size, smoothing constants, Siegel scale,
// Julia attractor, the generator's own set-up. Run when row 0 is next.
void begin_image(LiveState& state);

// Computes row `row` of the current per-pixel image into `out` (xres pixels). Reads only what
// begin_image prepared, so rows may be computed on any thread.
void render_row(const LiveState& state, int row, Pixel* out);

// How many threads compute rows of per-pixel images (1: on the caller's thread). Rows are
// still handed out one per driver call, in order, and the image is the same for any count.
void set_render_threads(int threads);
int render_threads();
// Drops rows computed ahead; call when the settings change under a paused image.
void discard_rows_in_flight();

// Renders the whole current image into the image surface, as the explorer would, calling
// `after_row` with the rows done after each one. False if the type has no generator yet.
bool render_image(LiveState& state, const std::function<void(int rows_done)>& after_row = {});

}  // namespace zoquel
