#pragma once
#include <memory>

#include "render/live_state.h"
#include "render/ordered_rows.h"

namespace zoquel {

// The rows of one per-pixel image, computed ahead on every thread from a snapshot of the
// settings taken at start, so the live settings may change meanwhile; a consumer that sees
// them differ restarts.
class RowPipeline {
public:
    // Starts `threads` threads on rows first_row..yres-1 of the image the state describes.
    // begin_image must have run for this image.
    void start(const LiveState& state, int first_row, int threads);
    // Stops the work; rows not taken are discarded.
    void stop();
    // True when row `row` is the next one the pipeline hands out and, given live settings,
    // it runs on those.
    bool serves(int row, const Settings* live_settings) const;
    // Row `row` (the next one) to `out`, once computed.
    void take_row(int row, Pixel* out) { rows_.take_row(row, out); }

private:
    std::unique_ptr<LiveState> snapshot_;  // settings and render progress; no image
    OrderedRows rows_;
};

}  // namespace zoquel
