#include "render/ordered_rows.h"

#include <algorithm>
#include <system_error>

namespace zoquel {

OrderedRows::~OrderedRows() {
    stop();
    end_workers();
}

void OrderedRows::end_workers() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        shutdown_ = true;
    }
    row_taken_.notify_all();
    for (std::thread& t : workers_) t.join();
    workers_.clear();
    shutdown_ = false;
}

void OrderedRows::start(int first_row, int rows, int width, int threads, RowFunction compute) {
    stop();
    if (int(workers_.size()) != threads - 1) end_workers();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        compute_ = std::move(compute);
        rows_ = rows;
        // Deep enough that one slow row never leaves the other threads idle for long.
        window_ = std::max(64, 16 * threads);
        const std::size_t w = std::size_t(std::max(0, width));
        if (slots_.size() != std::size_t(window_) || (!slots_.empty() && slots_[0].size() != w))
            slots_.assign(std::size_t(window_), std::vector<Pixel>(w));
        slot_row_.assign(std::size_t(window_), -1);
        next_claim_ = next_take_ = first_row;
        awaited_row_ = -1;
        active_ = true;
    }
    // The system may refuse more threads; the rows still get done by those there are.
    try {
        while (int(workers_.size()) < threads - 1) workers_.emplace_back([this] { work(); });
    } catch (const std::system_error&) {
    }
    row_taken_.notify_all();
}

void OrderedRows::stop() {
    std::unique_lock<std::mutex> lock(mutex_);
    active_ = false;
    workers_idle_.wait(lock, [this] { return workers_computing_ == 0; });
    compute_ = nullptr;
}

int OrderedRows::next_row() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return next_take_;
}

int OrderedRows::claim() { return claimable() ? next_claim_++ : -1; }

void OrderedRows::compute_into_slot(int row, std::unique_lock<std::mutex>& lock) {
    const std::size_t slot = std::size_t(row % window_);
    lock.unlock();
    compute_(row, slots_[slot].data());
    lock.lock();
    slot_row_[slot] = row;
}

void OrderedRows::work() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!shutdown_) {
        const int row = claim();
        if (row < 0) {
            ++workers_waiting_;
            row_taken_.wait(lock, [this] { return shutdown_ || claimable(); });
            --workers_waiting_;
            continue;
        }
        ++workers_computing_;
        compute_into_slot(row, lock);
        --workers_computing_;
        const bool wake_taker = awaited_row_ == row, wake_stop = !active_ && workers_computing_ == 0;
        lock.unlock();
        if (wake_taker) row_done_.notify_one();
        if (wake_stop) workers_idle_.notify_all();
        lock.lock();
    }
}

void OrderedRows::take_row(int row, Pixel* out) {
    const std::size_t slot = std::size_t(row % window_);
    std::unique_lock<std::mutex> lock(mutex_);
    while (slot_row_[slot] != row) {
        // Rather than sleep, compute: the row needed if nobody has it yet, else one ahead.
        const int ahead = claim();
        if (ahead >= 0) {
            compute_into_slot(ahead, lock);
            continue;
        }
        awaited_row_ = row;
        row_done_.wait(lock, [&] { return slot_row_[slot] == row; });
        awaited_row_ = -1;
    }
    std::copy(slots_[slot].begin(), slots_[slot].end(), out);
    slot_row_[slot] = -1;
    next_take_ = row + 1;
    const bool wake = workers_waiting_ > 0 && claimable();
    lock.unlock();
    if (wake) row_taken_.notify_all();
}

}  // namespace zoquel
