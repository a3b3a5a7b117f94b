#pragma once
#include "model/settings.h"
#include "render/ordered_rows.h"

namespace zoquel {

// The rows of one pass over an image, computed ahead on every thread and handed out in order,
// on behalf of the settings the pass was started from: a consumer that sees the live settings
// differ from them starts again.
class RowPipeline {
public:
    // Starts `threads` threads on rows first_row..rows-1 of `compute`.
    void start(const Settings& key, int first_row, int rows, int width, int threads, OrderedRows::RowFunction compute);
    // Stops the work; rows not taken are discarded.
    void stop();
    // True when row `row` is the next one handed out and, given live settings, the pass runs
    // on those.
    bool serves(int row, const Settings* live_settings) const;
    // Row `row` (the next one) to `out`, once computed.
    void take_row(int row, Pixel* out) { rows_.take_row(row, out); }

private:
    Settings key_;
    OrderedRows rows_;
};

}  // namespace zoquel
