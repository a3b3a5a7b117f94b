#include "render/ordered_rows.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace zoquel {
namespace {

constexpr int kWidth = 7;

// A row whose pixels say which row and which pass of the function wrote them.
Pixel marker(int pass, int row, int col) { return Pixel(pass * 1000000 + row * 100 + col); }

OrderedRows::RowFunction marking(int pass, std::atomic<int>* calls = nullptr) {
    return [pass, calls](int row, Pixel* out) {
        if (calls) ++*calls;
        for (int c = 0; c < kWidth; ++c) out[c] = marker(pass, row, c);
    };
}

void expect_rows(OrderedRows& rows, int pass, int from, int to) {
    Pixel out[kWidth];
    for (int r = from; r < to; ++r) {
        rows.take_row(r, out);
        for (int c = 0; c < kWidth; ++c) ASSERT_EQ(out[c], marker(pass, r, c)) << "row " << r << " col " << c;
    }
}

TEST(OrderedRows, HandsOutEveryRowOnceInOrderForAnyThreadCount) {
    for (int threads : {1, 2, 3, 8}) {
        OrderedRows rows;
        std::atomic<int> calls{0};
        rows.start(0, 300, kWidth, threads, marking(1, &calls));
        expect_rows(rows, 1, 0, 300);
        rows.stop();
        EXPECT_EQ(calls, 300) << threads << " threads";
    }
}

TEST(OrderedRows, StartsAtAGivenRowAndRestartsWithNewWorkOnTheSameWorkers) {
    OrderedRows rows;
    rows.start(0, 200, kWidth, 3, marking(1));
    expect_rows(rows, 1, 0, 40);
    // Restarted mid-image, as a resumed image after a change would be.
    rows.start(40, 200, kWidth, 3, marking(2));
    expect_rows(rows, 2, 40, 200);
    // Fewer and then more threads.
    rows.start(10, 120, kWidth, 1, marking(3));
    expect_rows(rows, 3, 10, 120);
    rows.start(0, 90, kWidth, 4, marking(4));
    expect_rows(rows, 4, 0, 90);
}

TEST(OrderedRows, NoRowIsComputedOnceStopReturns) {
    OrderedRows rows;
    std::atomic<bool> stopped{false};
    std::atomic<int> late{0};
    rows.start(0, 100000, kWidth, 3, [&](int, Pixel* out) {
        if (stopped) ++late;
        std::this_thread::yield();
        for (int c = 0; c < kWidth; ++c) out[c] = 0;
    });
    Pixel out[kWidth];
    for (int r = 0; r < 50; ++r) rows.take_row(r, out);
    rows.stop();
    stopped = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(late, 0);
    EXPECT_FALSE(rows.running());
}

TEST(OrderedRows, ASingleRowAndAnEmptyImage) {
    OrderedRows rows;
    rows.start(0, 1, kWidth, 2, marking(5));
    expect_rows(rows, 5, 0, 1);
    rows.start(0, 0, kWidth, 2, marking(6));
    rows.stop();
}

}  // namespace
}  // namespace zoquel
