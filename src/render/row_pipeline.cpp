#include "render/row_pipeline.h"

#include <algorithm>

#include "render/driver.h"

namespace zoquel {

RowPipeline::~RowPipeline() { stop(); }

void RowPipeline::start(const LiveState& state, int first_row, int threads) {
    stop();
    snapshot_ = std::make_unique<LiveState>();
    snapshot_->settings = state.settings;
    snapshot_->render = state.render;
    snapshot_->host = state.host;
    rows_ = state.settings.yres;
    // Deep enough that one slow row never leaves the other workers idle for long.
    window_ = std::max(64, 16 * threads);
    batch_ = std::min(window_, 4 * threads);
    slots_.assign(std::size_t(window_), std::vector<Pixel>(std::size_t(state.settings.xres)));
    slot_row_.assign(std::size_t(window_), -1);
    next_claim_ = next_take_ = first_row;
    cancel_ = false;
    consumer_waiting_ = false;
    workers_waiting_ = 0;
    for (int i = 0; i < threads; ++i) workers_.emplace_back([this] { work(); });
}

void RowPipeline::stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cancel_ = true;
    }
    row_taken_.notify_all();
    for (std::thread& t : workers_) t.join();
    workers_.clear();
    snapshot_.reset();
}

bool RowPipeline::serves(const Settings& live_settings, int row) const {
    if (!running()) return false;
    std::lock_guard<std::mutex> lock(mutex_);
    return next_take_ == row && snapshot_->settings == live_settings;
}

void RowPipeline::work() {
    for (;;) {
        int row;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            ++workers_waiting_;
            row_taken_.wait(lock, [this] { return cancel_ || next_claim_ >= rows_ || next_claim_ < next_take_ + window_; });
            --workers_waiting_;
            if (cancel_ || next_claim_ >= rows_) return;
            row = next_claim_++;
        }
        std::vector<Pixel>& slot = slots_[std::size_t(row % window_)];
        render_row(*snapshot_, row, slot.data());
        bool wake;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            slot_row_[std::size_t(row % window_)] = row;
            wake = consumer_waiting_ && batch_ready(next_take_);
        }
        if (wake) row_done_.notify_all();
    }
}

bool RowPipeline::batch_ready(int row) const {
    const int last = std::min(rows_, row + batch_) - 1;
    for (int r = row; r <= last; ++r)
        if (slot_row_[std::size_t(r % window_)] != r) return false;
    return true;
}

void RowPipeline::take_row(int row, Pixel* out) {
    const std::size_t slot = std::size_t(row % window_);
    std::unique_lock<std::mutex> lock(mutex_);
    if (slot_row_[slot] != row) {
        // Sleep until a batch of rows is ready rather than waking for each one: every
        // wake-up takes a core from a worker.
        consumer_waiting_ = true;
        row_done_.wait(lock, [&] { return batch_ready(row); });
        consumer_waiting_ = false;
    }
    std::copy(slots_[slot].begin(), slots_[slot].end(), out);
    slot_row_[slot] = -1;
    next_take_ = row + 1;
    const bool wake = workers_waiting_ > 0;
    lock.unlock();
    if (wake) row_taken_.notify_all();
}

}  // namespace zoquel
