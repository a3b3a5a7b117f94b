// Whole renders as a user asks for them, through the same driver the explorer uses.
#include <benchmark/benchmark.h>

#include "render/driver.h"
#include "render/live_state.h"
#include "render/type_selection.h"

namespace {

using namespace zoquel;

// Renders the default image of a type and method, reporting pixels/s and iterations/s
// (the iteration limit times the pixels: an upper bound for escape-time types).
void render_default(benchmark::State& st, int ftype, int method) {
    HeadlessHost host;
    for (auto _ : st) {
        st.PauseTiming();
        reset_live_state(host);
        LiveState& s = live();
        choose_type(s.settings, s.firsttime, ftype, method);
        st.ResumeTiming();
        render_image(s);
    }
    const double pixels = double(live().settings.xres) * live().settings.yres;
    st.counters["pixels/s"] = benchmark::Counter(pixels, benchmark::Counter::kIsIterationInvariantRate);
    st.counters["maxiter*pixels/s"] =
        benchmark::Counter(pixels * live().settings.maxiter, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Mandelbrot(benchmark::State& st) { render_default(st, 0, 0); }
void BM_Julia(benchmark::State& st) { render_default(st, 0, 1); }
// A converging type with its own colour rules, and a transcendental escape-time map.
void BM_NewtonClassic(benchmark::State& st) { render_default(st, 1, 0); }
void BM_LambdaSine(benchmark::State& st) { render_default(st, 7, 0); }

}  // namespace

BENCHMARK(BM_Mandelbrot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Julia)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewtonClassic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LambdaSine)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
