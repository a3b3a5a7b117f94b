#include "render/row_pipeline.h"

namespace zoquel {

void RowPipeline::start(const Settings& key, int first_row, int rows, int width, int threads,
                        OrderedRows::RowFunction compute) {
    stop();
    key_ = key;
    rows_.start(first_row, rows, width, threads, std::move(compute));
}

void RowPipeline::stop() { rows_.stop(); }

bool RowPipeline::serves(int row, const Settings* live_settings) const {
    return rows_.running() && rows_.next_row() == row && (!live_settings || key_ == *live_settings);
}

}  // namespace zoquel
