#pragma once
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "render/live_state.h"

namespace zoquel {

// Computes the rows of one per-pixel image ahead on worker threads and hands them out in
// order. Workers read a snapshot of the settings taken at start, so the live settings may
// change meanwhile; a consumer that sees them differ restarts. Workers never run more than a
// window of rows ahead of the consumer, and sleep (no busy waiting) when they are that far.
class RowPipeline {
public:
    RowPipeline() = default;
    ~RowPipeline();
    RowPipeline(const RowPipeline&) = delete;
    RowPipeline& operator=(const RowPipeline&) = delete;

    // Starts `threads` workers on rows first_row..yres-1 of the image the state describes.
    // begin_image must have run for this image.
    void start(const LiveState& state, int first_row, int threads);
    // Stops and joins the workers; rows not taken are discarded.
    void stop();
    // True when the pipeline runs on these settings and row `row` is the next one it hands out.
    bool serves(const Settings& live_settings, int row) const;
    // Blocks until row `row` (the next one) is computed, then copies it to `out`.
    void take_row(int row, Pixel* out);

    bool running() const { return !workers_.empty(); }

private:
    void work();
    // Rows row.. of the next batch are all computed (fewer at the image's end).
    bool batch_ready(int row) const;

    std::unique_ptr<LiveState> snapshot_;  // settings and render progress; no image
    std::vector<std::thread> workers_;
    mutable std::mutex mutex_;
    std::condition_variable row_done_, row_taken_;
    std::vector<std::vector<Pixel>> slots_;
    std::vector<int> slot_row_;  // the row a slot holds, or -1
    int next_claim_ = 0, next_take_ = 0, rows_ = 0, window_ = 0, batch_ = 1;
    int workers_waiting_ = 0;
    bool consumer_waiting_ = false;
    bool cancel_ = false;
};

}  // namespace zoquel
