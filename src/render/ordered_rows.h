#pragma once
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/surface.h"

namespace zoquel {

// Computes the rows of an image on worker threads and hands them out in order. The thread
// that takes the rows computes rows too whenever the one it needs is not ready, so `threads`
// threads in all compute (threads - 1 workers) and nobody sleeps while there is work. Workers
// never run more than a window of rows ahead of the taker, and sleep (no busy waiting) when
// they are that far or between images; they stay for the next image.
class OrderedRows {
public:
    // Writes row `row`, `width` pixels, to `out`. Called on several threads at once.
    using RowFunction = std::function<void(int row, Pixel* out)>;

    OrderedRows() = default;
    ~OrderedRows();
    OrderedRows(const OrderedRows&) = delete;
    OrderedRows& operator=(const OrderedRows&) = delete;

    // Starts on rows first_row..rows-1; stops what ran before.
    void start(int first_row, int rows, int width, int threads, RowFunction compute);
    // Stops the work, returning once no worker computes any more; rows not taken are discarded.
    void stop();
    // Copies row `row`, which must be the next one, to `out`, computing it or others meanwhile.
    void take_row(int row, Pixel* out);

    bool running() const { return active_; }
    int next_row() const;

private:
    void work();
    void end_workers();
    // The next unclaimed row within the window, or -1. Called with the mutex held.
    int claim();
    bool claimable() const { return active_ && next_claim_ < rows_ && next_claim_ < next_take_ + window_; }
    void compute_into_slot(int row, std::unique_lock<std::mutex>& lock);

    RowFunction compute_;
    std::vector<std::thread> workers_;
    mutable std::mutex mutex_;
    std::condition_variable row_done_, row_taken_, workers_idle_;
    std::vector<std::vector<Pixel>> slots_;
    std::vector<int> slot_row_;  // the row a slot holds, or -1
    int next_claim_ = 0, next_take_ = 0, rows_ = 0, window_ = 0;
    int workers_waiting_ = 0, workers_computing_ = 0;
    int awaited_row_ = -1;  // the row the taker sleeps for
    bool active_ = false;   // an image is under way
    bool shutdown_ = false;
};

}  // namespace zoquel
