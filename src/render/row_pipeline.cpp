#include "render/row_pipeline.h"

#include "render/driver.h"

namespace zoquel {

void RowPipeline::start(const LiveState& state, int first_row, int threads) {
    stop();
    snapshot_ = std::make_unique<LiveState>();
    snapshot_->settings = state.settings;
    snapshot_->render = state.render;
    snapshot_->host = state.host;
    const LiveState* snapshot = snapshot_.get();
    rows_.start(first_row, state.settings.yres, state.settings.xres, threads,
                [snapshot](int row, Pixel* out) { render_row(*snapshot, row, out); });
}

void RowPipeline::stop() {
    rows_.stop();
    snapshot_.reset();
}

bool RowPipeline::serves(int row, const Settings* live_settings) const {
    return rows_.running() && rows_.next_row() == row && (!live_settings || snapshot_->settings == *live_settings);
}

}  // namespace zoquel
